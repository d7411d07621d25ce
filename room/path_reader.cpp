#include "room/path_text.h"

#include <cmath>
#include <limits>

#include "core/number_text.h"
#include "room/words.h"

namespace lorvane::room {
namespace {

// The words of one element, in turn; an empty word once they are used up.
class Words {
  public:
    explicit Words(std::string_view text) : rest_(text) {}

    std::string_view Next() {
        std::size_t start = 0;
        while (start < rest_.size() && IsBlank(rest_[start])) {
            ++start;
        }
        std::size_t end = start;
        while (end < rest_.size() && !IsBlank(rest_[end])) {
            ++end;
        }
        const std::string_view word = rest_.substr(start, end - start);
        rest_.remove_prefix(end);
        return word;
    }

  private:
    std::string_view rest_;
};

// Each reader below fills in its part of an element and says whether it could; when it could
// not, `fault` says what is wrong. Elements are read into their place in the path, so that none
// is copied on its way there.

bool ReadSize(std::string_view word, std::string_view element, Section& section,
              std::string& fault) {
    if (word.empty()) {
        fault = std::string(element) + " needs a size, WxH or dD in mm";
        return false;
    }
    bool read = false;
    if (word.front() == 'd' || word.front() == 'D') {
        const double diameter = PlainNumberOrNaN(word.substr(1));
        if (!std::isnan(diameter)) {
            section = Section::Round(diameter);
            read = true;
        }
    } else if (const std::size_t by = word.find_first_of("xX"); by != std::string_view::npos) {
        const double width = PlainNumberOrNaN(word.substr(0, by));
        const double height = PlainNumberOrNaN(word.substr(by + 1));
        if (!std::isnan(width) && !std::isnan(height)) {
            section = Section::Rectangular(width, height);
            read = true;
        }
    }
    if (!read) {
        fault = Quoted(word) + " is not a size, WxH or dD in mm";
        return false;
    }
    if (!(section.width > 0 && section.height > 0)) {
        fault = "a size must be above 0 mm";
        return false;
    }
    return true;
}

// A number word: missing, not a number or out of range, each with its own sentence.
struct NumberRule {
    std::string_view missing;  // "a duct needs a length in m"
    std::string_view notThis;  // " is not a length in m", after the quoted word
    bool (*valid)(double);
    std::string_view invalid;  // "a length must be 0 m or more"
};

// The word's value by the rule, or NaN with what is wrong in `fault`.
double ReadValue(std::string_view word, const NumberRule& rule, std::string& fault) {
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    if (word.empty()) {
        fault = rule.missing;
        return kNone;
    }
    const double value = PlainNumberOrNaN(word);
    if (std::isnan(value)) {
        fault = Quoted(word) + std::string(rule.notThis);
    } else if (!rule.valid(value)) {
        fault = rule.invalid;
    } else {
        return value + 0.0;  // a length of -0 is one of 0
    }
    return kNone;
}

constexpr NumberRule kLength{"a duct needs a length in m", " is not a length in m",
                             [](double v) { return v >= 0; }, "a length must be 0 m or more"};
constexpr NumberRule kLining{"'lined' needs a thickness in mm", " is not a thickness in mm",
                             [](double v) { return v > 0; }, "a lining must be above 0 mm"};
constexpr NumberRule kShare{"a branch needs its share of the sound power, above 0 and at most 1",
                            " is not a share", [](double v) { return v > 0 && v <= 1; },
                            "a branch's share must be above 0 and at most 1"};

std::string DoesNotBelong(std::string_view word, std::string_view element) {
    return Quoted(word) + " does not belong to " + std::string(element);
}

bool ReadDuct(Words& words, DuctRun& duct, std::string& fault) {
    if (!ReadSize(words.Next(), "a duct", duct.section, fault)) {
        return false;
    }
    duct.length = ReadValue(words.Next(), kLength, fault);
    if (std::isnan(duct.length)) {
        return false;
    }
    std::string_view word = words.Next();
    if (EqualIgnoringCase(word, "lined")) {
        const double lining = ReadValue(words.Next(), kLining, fault);
        if (std::isnan(lining)) {
            return false;
        }
        duct.lining = lining;
        word = words.Next();
    }
    if (!word.empty()) {
        fault = DoesNotBelong(word, "a duct");
        return false;
    }
    return true;
}

bool ReadElbow(Words& words, Elbow& elbow, std::string& fault) {
    if (!ReadSize(words.Next(), "an elbow", elbow.section, fault)) {
        return false;
    }
    const std::string_view bend = words.Next();
    if (EqualIgnoringCase(bend, "square") || EqualIgnoringCase(bend, "round")) {
        elbow.bend = EqualIgnoringCase(bend, "square") ? Bend::Square : Bend::Round;
    } else {
        fault = bend.empty() ? "an elbow needs 'square' or 'round'"
                             : "an elbow is 'square' or 'round', not " + Quoted(bend);
        return false;
    }
    for (std::string_view word = words.Next(); !word.empty(); word = words.Next()) {
        bool* flag = EqualIgnoringCase(word, "vanes")   ? &elbow.vanes
                     : EqualIgnoringCase(word, "lined") ? &elbow.lined
                                                        : nullptr;
        if (flag == nullptr) {
            fault = DoesNotBelong(word, "an elbow");
            return false;
        }
        if (*flag) {
            fault = Quoted(word) + " is given twice";
            return false;
        }
        *flag = true;
    }
    return true;
}

bool ReadBranch(Words& words, Branch& branch, std::string& fault) {
    branch.share = ReadValue(words.Next(), kShare, fault);
    if (std::isnan(branch.share)) {
        return false;
    }
    if (const std::string_view word = words.Next(); !word.empty()) {
        fault = DoesNotBelong(word, "a branch");
        return false;
    }
    return true;
}

bool ReadOutlet(Words& words, Outlet& outlet, std::string& fault) {
    if (!ReadSize(words.Next(), "an outlet", outlet.section, fault)) {
        return false;
    }
    const std::string_view mount = words.Next();
    if (EqualIgnoringCase(mount, "flush") || EqualIgnoringCase(mount, "free")) {
        outlet.mount = EqualIgnoringCase(mount, "flush") ? OutletMount::Flush : OutletMount::Free;
    } else {
        fault = mount.empty() ? "an outlet needs 'flush' or 'free'"
                              : "an outlet is 'flush' or 'free', not " + Quoted(mount);
        return false;
    }
    if (const std::string_view word = words.Next(); !word.empty()) {
        fault = DoesNotBelong(word, "an outlet");
        return false;
    }
    return true;
}

// A new element of the given kind at the end of the path.
template <typename Element>
Element& Appended(Path& path) {
    return std::get<Element>(path.emplace_back(std::in_place_type<Element>));
}

// Reads one element onto the end of the path; false with what is wrong in `fault`.
bool ReadElement(std::string_view text, Path& path, std::string& fault) {
    Words words(text);
    const std::string_view kind = words.Next();
    if (kind.empty()) {
        fault = "empty element";
        return false;
    }
    if (EqualIgnoringCase(kind, "duct")) {
        return ReadDuct(words, Appended<DuctRun>(path), fault);
    }
    if (EqualIgnoringCase(kind, "elbow")) {
        return ReadElbow(words, Appended<Elbow>(path), fault);
    }
    if (EqualIgnoringCase(kind, "branch")) {
        return ReadBranch(words, Appended<Branch>(path), fault);
    }
    if (EqualIgnoringCase(kind, "outlet")) {
        return ReadOutlet(words, Appended<Outlet>(path), fault);
    }
    fault = "unknown element " + Quoted(kind);
    return false;
}

// Room for the elements of most paths, so that reading one seldom grows its list.
constexpr std::size_t kUsualElementCount = 8;

bool IsBlankText(std::string_view text) {
    for (char c : text) {
        if (!IsBlank(c)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::variant<Path, std::string> ReadPath(std::string_view text) {
    Path path;
    if (IsBlankText(text)) {
        return path;
    }
    path.reserve(kUsualElementCount);
    std::string fault;
    for (std::size_t start = 0, place = 1;; ++place) {
        const std::size_t end = text.find(';', start);
        if (!ReadElement(text.substr(start, end == std::string_view::npos ? end : end - start),
                         path, fault)) {
            return "Path element " + std::to_string(place) + ": " + fault;
        }
        if (end == std::string_view::npos) {
            return path;
        }
        start = end + 1;
    }
}

}  // namespace lorvane::room
