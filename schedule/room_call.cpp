#include "schedule/room_call.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <limits>
#include <mutex>
#include <vector>

#include "core/number_text.h"
#include "core/words.h"
#include "room/path_text.h"
#include "room/words.h"

namespace lorvane::schedule {
namespace {

using forms::BandRowSpec;
using forms::ValueSpec;

// clang-format off
constexpr std::array kRoomOptions{
    RoomOption{"path", "ELEMENTS", "the way from the product into the room, elements separated by ';': duct SIZE LENGTH [lined THICKNESS], elbow SIZE square|round [vanes] [lined], branch SHARE, outlet SIZE flush|free; SIZE WxH or dD in mm, LENGTH in m, THICKNESS in mm"},
    RoomOption{"room", "LxWxH", "the room's length, width and height in m, such as 6x5x3"},
    RoomOption{"reverberation", "T", "the room's reverberation time in s, one value or eight separated by blanks (default 0.6)"},
    RoomOption{"distance", "R", "the listener's distance from the outlet in m (default 1.5)"},
    RoomOption{"directivity", "Q", "the outlet's directivity: 2 in the ceiling, 4 at an edge, 8 in a corner (default 2)"},
    RoomOption{"room-model", "diffuse|schultz", "the room's model (default diffuse)"},
    RoomOption{"casing", "none|room", "whether the casing's sound reaches the room through the ceiling (default none)"},
    RoomOption{"ceiling-loss", "DB", "the suspended ceiling's insertion loss in dB, eight values separated by blanks (default 0)"},
    RoomOption{"room-target", "TARGET", "the most the room may rate: 35 (dB(A)), NR 30 or NC 30"},
};
// clang-format on

// The places of the room options in kRoomOptions.
enum RoomOptionPlace : std::size_t {
    kPathOption,
    kRoomOption,
    kReverberationOption,
    kDistanceOption,
    kDirectivityOption,
    kRoomModelOption,
    kCasingOption,
    kCeilingLossOption,
    kRoomTargetOption,
    kRoomOptionCount
};
static_assert(kRoomOptions.size() == kRoomOptionCount && kRoomOptions[kPathOption].name == "path" &&
              kRoomOptions[kRoomOption].name == "room" &&
              kRoomOptions[kReverberationOption].name == "reverberation" &&
              kRoomOptions[kDistanceOption].name == "distance" &&
              kRoomOptions[kDirectivityOption].name == "directivity" &&
              kRoomOptions[kRoomModelOption].name == "room-model" &&
              kRoomOptions[kCasingOption].name == "casing" &&
              kRoomOptions[kCeilingLossOption].name == "ceiling-loss" &&
              kRoomOptions[kRoomTargetOption].name == "room-target");

// The texts of the room options among a call's options, found in one pass over them.
class RoomTexts {
  public:
    explicit RoomTexts(const std::map<std::string, std::string>& given) {
        for (const auto& [name, text] : given) {
            for (std::size_t place = 0; place < kRoomOptionCount; ++place) {
                if (kRoomOptions[place].name == name) {
                    texts_[place] = &text;
                    any_ = true;
                    break;
                }
            }
        }
    }

    bool Any() const { return any_; }

    // The text of a room option, or null when it was not given.
    const std::string* Of(RoomOptionPlace place) const { return texts_[place]; }

  private:
    std::array<const std::string*, kRoomOptionCount> texts_{};
    bool any_ = false;
};

// The words of a text, split at blanks.
std::vector<std::string_view> BlankSeparated(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while (start < text.size()) {
        if (IsBlank(text[start])) {
            ++start;
            continue;
        }
        std::size_t end = start;
        while (end < text.size() && !IsBlank(text[end])) {
            ++end;
        }
        words.push_back(text.substr(start, end - start));
        start = end;
    }
    return words;
}

// A text of one word, that word; nothing for a blank text or one of several words.
std::optional<std::string_view> OneWord(std::string_view text) {
    const std::string_view word = TrimBlanks(text);
    if (word.empty() || std::any_of(word.begin(), word.end(), IsBlank)) {
        return std::nullopt;
    }
    return word;
}

// A text of one plain number, that number; NaN for any other text.
double OneNumber(std::string_view text) {
    const std::optional<std::string_view> word = OneWord(text);
    return word ? PlainNumberOrNaN(*word) : std::numeric_limits<double>::quiet_NaN();
}

// Eight numbers separated by blanks, or with `oneForAll`, one number for all eight.
std::optional<Octaves> BandValues(std::string_view text, bool oneForAll) {
    const std::vector<std::string_view> words = BlankSeparated(text);
    if (words.size() != static_cast<std::size_t>(kOctaveCount) &&
        !(oneForAll && words.size() == 1)) {
        return std::nullopt;
    }
    Octaves values{};
    for (int k = 0; k < kOctaveCount; ++k) {
        values[k] = PlainNumberOrNaN(words[words.size() == 1 ? 0 : k]);
        if (std::isnan(values[k])) {
            return std::nullopt;
        }
    }
    return values;
}

std::optional<room::RoomSize> ReadRoomSize(std::string_view text) {
    std::array<double, 3> sides{};
    for (std::size_t side = 0; side < sides.size(); ++side) {
        const std::size_t by = side + 1 < sides.size() ? text.find_first_of("xX") : text.size();
        if (by == std::string_view::npos) {
            return std::nullopt;
        }
        sides[side] = OneNumber(text.substr(0, by));
        if (std::isnan(sides[side])) {
            return std::nullopt;
        }
        text.remove_prefix(std::min(by + 1, text.size()));
    }
    return room::RoomSize{sides[0], sides[1], sides[2]};
}

// Of a text that is one of two words, whether it is the second; nothing for any other text.
std::optional<bool> IsSecondWord(std::string_view text, std::string_view first,
                                 std::string_view second) {
    const std::string_view word = TrimBlanks(text);
    if (EqualIgnoringCase(word, second)) {
        return true;
    }
    return EqualIgnoringCase(word, first) ? std::optional(false) : std::nullopt;
}

std::string Unreadable(std::string_view what, const std::string& text) {
    return std::string(what) + ", not " + room::Quoted(text) + ".";
}

// Reads the options into the inputs; the sentence of the first that cannot be read, or nothing.
std::optional<std::string> ReadInto(room::RoomInputs& inputs, const RoomTexts& texts) {
    if (const std::string* text = texts.Of(kPathOption)) {
        auto path = room::ReadPath(*text);
        if (std::string* fault = std::get_if<std::string>(&path)) {
            return std::move(*fault);
        }
        inputs.path = std::move(std::get<room::Path>(path));
    }
    const std::string* size = texts.Of(kRoomOption);
    const std::optional<room::RoomSize> sides = ReadRoomSize(*size);
    if (!sides) {
        return Unreadable("The room must be given as length x width x height in m, such as 6x5x3",
                          *size);
    }
    inputs.size = *sides;
    if (const std::string* text = texts.Of(kReverberationOption)) {
        const std::optional<Octaves> seconds = BandValues(*text, true);
        if (!seconds) {
            return Unreadable(
                "The reverberation time must be one value in s or eight separated by blanks",
                *text);
        }
        inputs.reverberation = OneWord(*text) ? room::Reverberation::Uniform((*seconds)[0])
                                              : room::Reverberation::PerBand(*seconds);
    }
    if (const std::string* text = texts.Of(kDistanceOption)) {
        inputs.distance = OneNumber(*text);
        if (std::isnan(inputs.distance)) {
            return Unreadable("The distance from the outlet must be a number in m", *text);
        }
    }
    if (const std::string* text = texts.Of(kDirectivityOption)) {
        inputs.directivity = OneNumber(*text);
        if (std::isnan(inputs.directivity)) {
            return Unreadable("The directivity Q must be a number", *text);
        }
    }
    if (const std::string* text = texts.Of(kRoomModelOption)) {
        const std::optional<bool> schultz = IsSecondWord(*text, "diffuse", "schultz");
        if (!schultz) {
            return Unreadable("The room model must be diffuse or schultz", *text);
        }
        inputs.model = *schultz ? room::RoomModel::Schultz : room::RoomModel::Diffuse;
    }
    if (const std::string* text = texts.Of(kCasingOption)) {
        const std::optional<bool> intoRoom = IsSecondWord(*text, "none", "room");
        if (!intoRoom) {
            return Unreadable("The casing's way into the room must be none or room", *text);
        }
        inputs.casing = *intoRoom ? room::CasingPath::Room : room::CasingPath::None;
    }
    if (const std::string* text = texts.Of(kCeilingLossOption)) {
        const std::optional<Octaves> loss = BandValues(*text, false);
        if (!loss) {
            return Unreadable(
                "The ceiling's insertion loss must be eight values in dB separated by blanks",
                *text);
        }
        inputs.ceilingLoss = *loss;
    }
    if (const std::string* text = texts.Of(kRoomTargetOption)) {
        auto target = room::ReadRoomTarget(*text);
        if (std::string* fault = std::get_if<std::string>(&target)) {
            return std::move(*fault);
        }
        inputs.target = std::get<room::RoomTarget>(target);
    }
    return std::nullopt;
}

// The specs of the results, made once.

BandRowSpec LevelRow(std::string key, std::string summationKey, std::string label,
                     std::string_view format) {
    return {.key = std::move(key),
            .summationKey = std::move(summationKey),
            .label = std::move(label),
            .group = "Room",
            .unit = "dB",
            .format = std::string(format),
            .frequencies = OctaveBands};
}

constexpr std::string_view kLevelFormat = "%5.0lf";
constexpr std::string_view kAttenuationFormat = "%5.1lf";
constexpr std::string_view kRatingFormat = "%5.0lf";

struct RoomSpecs {
    ValueSpec noElement{"room.path", "Path", "", ""};
    BandRowSpec powerAtRoom =
        LevelRow("room.powerAtRoom", "", "Sound power at the room [dB]", kLevelFormat);
    BandRowSpec levels = LevelRow("room.levels", "room.summationLevel",
                                  "Sound pressure at the listener [dB]", kLevelFormat);
    ValueSpec nc{"room.nc", "NC", "", std::string(kRatingFormat)};
    ValueSpec ncBelowLowestCurve{"room.ncBelowLowestCurve", "Below the lowest NC curve", "", ""};
    ValueSpec nr{"room.nr", "NR", "", std::string(kRatingFormat)};
    ValueSpec targetReached{"room.targetReached", "Room target reached", "", ""};
    ValueSpec noAttenuator{"room.attenuator", "Attenuator for the room", "", ""};
    ValueSpec attenuatorThickness{"room.attenuator.thickness", "Attenuator insulation", "", ""};
    ValueSpec attenuatorLength{"room.attenuator.length", "Attenuator length", "", ""};
    BandRowSpec attenuatorLevels =
        LevelRow("room.attenuator.levels", "room.attenuator.summationLevel",
                 "Sound pressure with the attenuator [dB]", kLevelFormat);
    ValueSpec attenuatorNc{"room.attenuator.nc", "NC with the attenuator", "",
                           std::string(kRatingFormat)};
    ValueSpec attenuatorNcBelowLowestCurve{"room.attenuator.ncBelowLowestCurve",
                                           "Below the lowest NC curve with the attenuator", "", ""};
    ValueSpec attenuatorNr{"room.attenuator.nr", "NR with the attenuator", "",
                           std::string(kRatingFormat)};
    ValueSpec notes{"room.notes", "Room notes", "", ""};
};

const RoomSpecs& Specs() {
    static const RoomSpecs specs;
    return specs;
}

// The specs of one element of a path, by its place from 0.
struct ElementSpecs {
    ValueSpec text;
    BandRowSpec attenuation;
};

ElementSpecs MakeElementSpecs(std::size_t place) {
    const std::string key = "room.path." + std::to_string(place);
    const std::string name = "Path element " + std::to_string(place + 1);
    return {ValueSpec{key + ".element", name, "", ""},
            LevelRow(key + ".attenuation", "", name + " attenuation [dB]", kAttenuationFormat)};
}

// Those of the places of usual paths are made once, at first use, and read without a lock;
// those of longer paths are made when first needed and kept.
constexpr std::size_t kUsualPlaces = 32;

const ElementSpecs& ElementSpecsAt(std::size_t place) {
    static const std::deque<ElementSpecs> usual = [] {
        std::deque<ElementSpecs> made;
        for (std::size_t at = 0; at < kUsualPlaces; ++at) {
            made.push_back(MakeElementSpecs(at));
        }
        return made;
    }();
    if (place < usual.size()) {
        return usual[place];
    }
    static std::mutex mutex;
    static std::deque<ElementSpecs> further;
    const std::lock_guard lock(mutex);
    while (kUsualPlaces + further.size() <= place) {
        further.push_back(MakeElementSpecs(kUsualPlaces + further.size()));
    }
    return further[place - kUsualPlaces];
}

void AddNc(forms::ResultRecord& record, const ValueSpec& nc, const ValueSpec& below,
           const room::RoomRating& rating) {
    if (rating.ncBelowLowestCurve) {
        record.AddShownAs(nc, rating.nc, "< 10");
        record.AddFlag(below, true);
    } else {
        record.Add(nc, rating.nc);
    }
}

}  // namespace

std::span<const RoomOption> RoomOptions() {
    return kRoomOptions;
}

bool IsRoomOption(std::string_view name) {
    return std::any_of(kRoomOptions.begin(), kRoomOptions.end(),
                       [&](const RoomOption& option) { return option.name == name; });
}

std::variant<std::optional<room::RoomInputs>, std::string> ReadRoomOptions(
    const std::map<std::string, std::string>& given) {
    const RoomTexts texts(given);
    if (!texts.Any()) {
        return std::optional<room::RoomInputs>();
    }
    if (texts.Of(kRoomOption) == nullptr) {
        return std::string(
            "The way into the room needs the room: give its size as length x width x height in "
            "m (room), such as 6x5x3.");
    }
    room::RoomInputs inputs;
    if (std::optional<std::string> fault = ReadInto(inputs, texts)) {
        return std::move(*fault);
    }
    return std::optional<room::RoomInputs>(std::move(inputs));
}

std::optional<room::RoomSource> RoomSourceOf(const Product& product,
                                             const forms::InputTexts& inputs,
                                             const forms::ResultRecord& record) {
    if (!product.room.SendsSound()) {
        return std::nullopt;
    }
    const forms::BandRow* ductBorne = record.FindBands(product.room.ductBorne);
    if (ductBorne == nullptr) {
        return std::nullopt;
    }
    const auto octaves = [](const forms::BandRow& row) {
        Octaves levels{};
        levels.fill(std::numeric_limits<double>::quiet_NaN());  // a band the model cannot give
        for (std::size_t k = 0; k < levels.size() && k < row.levels.size(); ++k) {
            levels[k] = row.levels[k].value_or(levels[k]);
        }
        return levels;
    };
    room::RoomSource source{.ductBorne = octaves(*ductBorne)};
    if (!product.room.casing.empty()) {
        if (const forms::BandRow* casing = record.FindBands(product.room.casing)) {
            source.casing = octaves(*casing);
        }
    }
    if (!product.room.attenuatorDiameter.empty()) {
        source.attenuatorDiameter =
            ReadNumber(forms::TextOf(inputs, std::string(product.room.attenuatorDiameter)));
    }
    return source;
}

void AddRoom(forms::ResultRecord& record, const Product& product, const forms::InputTexts& inputs,
             const std::map<std::string, std::string>& given) {
    auto read = ReadRoomOptions(given);
    const auto* roomInputs = std::get_if<std::optional<room::RoomInputs>>(&read);
    if ((roomInputs != nullptr && !*roomInputs) || record.Refused()) {
        return;  // no room asked for, or the product's own inputs already refused
    }
    if (!product.room.SendsSound()) {
        record.Refuse({.input = "room",
                       .message = "The " + std::string(product.word) +
                                  " sends no sound along a duct into a room: it takes no room "
                                  "options."});
        return;
    }
    if (std::string* fault = std::get_if<std::string>(&read)) {
        record.Refuse({.input = "room", .message = std::move(*fault)});
        return;
    }
    const std::optional<room::RoomSource> source = RoomSourceOf(product, inputs, record);
    if (!source) {
        return;
    }
    auto evaluated = room::EvaluateRoom(*source, **roomInputs);
    if (std::string* refusal = std::get_if<std::string>(&evaluated)) {
        record.Refuse({.input = "room", .message = std::move(*refusal)});
        return;
    }
    AddRoomResult(record, std::move(std::get<room::RoomResult>(evaluated)));
}

const forms::ResultRecord& RoomColumnsRecord() {
    static const forms::ResultRecord record = [] {
        const RoomSpecs& specs = Specs();
        forms::ResultRecord columns;
        for (const BandRowSpec* row : {&specs.powerAtRoom, &specs.levels}) {
            columns.NotComputed(*row);
        }
        for (const ValueSpec* value :
             {&specs.nc, &specs.ncBelowLowestCurve, &specs.nr, &specs.targetReached,
              &specs.attenuatorThickness, &specs.attenuatorLength}) {
            columns.NotComputed(*value);
        }
        columns.NotComputed(specs.attenuatorLevels);
        for (const ValueSpec* value : {&specs.attenuatorNc, &specs.attenuatorNcBelowLowestCurve,
                                       &specs.attenuatorNr, &specs.notes}) {
            columns.NotComputed(*value);
        }
        return columns;
    }();
    return record;
}

void AddRoomResult(forms::ResultRecord& record, room::RoomResult result) {
    const RoomSpecs& specs = Specs();
    if (result.path.empty()) {
        record.AddTexts(specs.noElement, {});
    }
    for (std::size_t place = 0; place < result.path.size(); ++place) {
        const ElementSpecs& element = ElementSpecsAt(place);
        record.AddText(element.text, std::move(result.path[place].text));
        record.AddBands(element.attenuation, result.path[place].attenuation);
    }
    record.AddBands(specs.powerAtRoom, result.powerAtRoom);
    record.AddBands(specs.levels, result.levels, result.rating.summationLevel);
    AddNc(record, specs.nc, specs.ncBelowLowestCurve, result.rating);
    record.Add(specs.nr, result.rating.nr);
    if (result.targetReached) {
        record.AddFlag(specs.targetReached, *result.targetReached);
    }
    switch (result.attenuatorOutcome) {
        case room::AttenuatorOutcome::NotAsked:
            break;
        case room::AttenuatorOutcome::NoneFound:
            record.Add(specs.noAttenuator, std::nullopt);
            break;
        case room::AttenuatorOutcome::Found: {
            const room::RoomAttenuator& attenuator = *result.attenuator;
            record.AddText(specs.attenuatorThickness, std::string(attenuator.thickness));
            record.AddText(specs.attenuatorLength, std::string(attenuator.length));
            record.AddBands(specs.attenuatorLevels, attenuator.levels,
                            attenuator.rating.summationLevel);
            AddNc(record, specs.attenuatorNc, specs.attenuatorNcBelowLowestCurve,
                  attenuator.rating);
            record.Add(specs.attenuatorNr, attenuator.rating.nr);
            break;
        }
    }
    record.AddTexts(specs.notes, std::move(result.notes));
}

}  // namespace lorvane::schedule
