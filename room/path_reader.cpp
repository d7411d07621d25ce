#include "room/path_text.h"

#include <optional>

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

// Each reader below returns the element, or nothing with what is wrong in `fault`.

std::optional<Section> ReadSize(std::string_view word, std::string_view element,
                                std::string& fault) {
    if (word.empty()) {
        fault = std::string(element) + " needs a size, WxH or dD in mm";
        return std::nullopt;
    }
    std::optional<Section> section;
    if (word.front() == 'd' || word.front() == 'D') {
        if (const std::optional<double> diameter = ReadPlainNumber(word.substr(1))) {
            section = Section::Round(*diameter);
        }
    } else if (const std::size_t by = word.find_first_of("xX"); by != std::string_view::npos) {
        const std::optional<double> width = ReadPlainNumber(word.substr(0, by));
        const std::optional<double> height = ReadPlainNumber(word.substr(by + 1));
        if (width && height) {
            section = Section::Rectangular(*width, *height);
        }
    }
    if (!section) {
        fault = Quoted(word) + " is not a size, WxH or dD in mm";
    } else if (!(section->width > 0 && section->height > 0)) {
        fault = "a size must be above 0 mm";
        section.reset();
    }
    return section;
}

// A number word: missing, not a number or out of range, each with its own sentence.
struct NumberRule {
    std::string_view missing;  // "a duct needs a length in m"
    std::string_view notThis;  // " is not a length in m", after the quoted word
    bool (*valid)(double);
    std::string_view invalid;  // "a length must be 0 m or more"
};

std::optional<double> ReadValue(std::string_view word, const NumberRule& rule, std::string& fault) {
    if (word.empty()) {
        fault = rule.missing;
        return std::nullopt;
    }
    const std::optional<double> value = ReadPlainNumber(word);
    if (!value) {
        fault = Quoted(word) + std::string(rule.notThis);
    } else if (!rule.valid(*value)) {
        fault = rule.invalid;
    } else {
        return *value + 0.0;  // a length of -0 is one of 0
    }
    return std::nullopt;
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

std::optional<PathElement> ReadDuct(Words& words, std::string& fault) {
    DuctRun duct;
    const std::optional<Section> section = ReadSize(words.Next(), "a duct", fault);
    if (!section) {
        return std::nullopt;
    }
    duct.section = *section;
    const std::optional<double> length = ReadValue(words.Next(), kLength, fault);
    if (!length) {
        return std::nullopt;
    }
    duct.length = *length;
    std::string_view word = words.Next();
    if (IsWord(word, "lined")) {
        duct.lining = ReadValue(words.Next(), kLining, fault);
        if (!duct.lining) {
            return std::nullopt;
        }
        word = words.Next();
    }
    if (!word.empty()) {
        fault = DoesNotBelong(word, "a duct");
        return std::nullopt;
    }
    return duct;
}

std::optional<PathElement> ReadElbow(Words& words, std::string& fault) {
    Elbow elbow;
    const std::optional<Section> section = ReadSize(words.Next(), "an elbow", fault);
    if (!section) {
        return std::nullopt;
    }
    elbow.section = *section;
    const std::string_view bend = words.Next();
    if (IsWord(bend, "square") || IsWord(bend, "round")) {
        elbow.bend = IsWord(bend, "square") ? Bend::Square : Bend::Round;
    } else {
        fault = bend.empty() ? "an elbow needs 'square' or 'round'"
                             : "an elbow is 'square' or 'round', not " + Quoted(bend);
        return std::nullopt;
    }
    for (std::string_view word = words.Next(); !word.empty(); word = words.Next()) {
        bool* flag = IsWord(word, "vanes")   ? &elbow.vanes
                     : IsWord(word, "lined") ? &elbow.lined
                                             : nullptr;
        if (flag == nullptr) {
            fault = DoesNotBelong(word, "an elbow");
            return std::nullopt;
        }
        if (*flag) {
            fault = Quoted(word) + " is given twice";
            return std::nullopt;
        }
        *flag = true;
    }
    return elbow;
}

std::optional<PathElement> ReadBranch(Words& words, std::string& fault) {
    const std::optional<double> share = ReadValue(words.Next(), kShare, fault);
    if (!share) {
        return std::nullopt;
    }
    if (const std::string_view word = words.Next(); !word.empty()) {
        fault = DoesNotBelong(word, "a branch");
        return std::nullopt;
    }
    return Branch{*share};
}

std::optional<PathElement> ReadOutlet(Words& words, std::string& fault) {
    Outlet outlet;
    const std::optional<Section> section = ReadSize(words.Next(), "an outlet", fault);
    if (!section) {
        return std::nullopt;
    }
    outlet.section = *section;
    const std::string_view mount = words.Next();
    if (IsWord(mount, "flush") || IsWord(mount, "free")) {
        outlet.mount = IsWord(mount, "flush") ? OutletMount::Flush : OutletMount::Free;
    } else {
        fault = mount.empty() ? "an outlet needs 'flush' or 'free'"
                              : "an outlet is 'flush' or 'free', not " + Quoted(mount);
        return std::nullopt;
    }
    if (const std::string_view word = words.Next(); !word.empty()) {
        fault = DoesNotBelong(word, "an outlet");
        return std::nullopt;
    }
    return outlet;
}

std::optional<PathElement> ReadElement(std::string_view text, std::string& fault) {
    Words words(text);
    const std::string_view kind = words.Next();
    if (kind.empty()) {
        fault = "empty element";
        return std::nullopt;
    }
    if (IsWord(kind, "duct")) {
        return ReadDuct(words, fault);
    }
    if (IsWord(kind, "elbow")) {
        return ReadElbow(words, fault);
    }
    if (IsWord(kind, "branch")) {
        return ReadBranch(words, fault);
    }
    if (IsWord(kind, "outlet")) {
        return ReadOutlet(words, fault);
    }
    fault = "unknown element " + Quoted(kind);
    return std::nullopt;
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
    for (std::size_t start = 0, place = 1;; ++place) {
        const std::size_t end = text.find(';', start);
        std::string fault;
        std::optional<PathElement> element = ReadElement(
            text.substr(start, end == std::string_view::npos ? end : end - start), fault);
        if (!element) {
            return "Path element " + std::to_string(place) + ": " + fault;
        }
        path.push_back(std::move(*element));
        if (end == std::string_view::npos) {
            return path;
        }
        start = end + 1;
    }
}

}  // namespace lorvane::room
