#include "finder/duty_point.h"

#include "core/number_text.h"
#include "core/shared_state.h"
#include "schedule/room_call.h"

namespace lorvane::finder {
namespace {

static_assert(kHighestPressure == ProductInputs{}.maxDifferentialPressure);

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// The room of the options given, checked on a spectrum of its own: a room the models refuse is
// refused whatever the product.
std::optional<FinderRefusal> ReadRoom(const FinderTexts& texts, DutyPoint& duty) {
    const std::map<std::string, std::string> given(texts.begin(), texts.end());
    auto read = schedule::ReadRoomOptions(given);
    if (std::string* fault = std::get_if<std::string>(&read)) {
        return FinderRefusal{"room", std::move(*fault)};
    }
    duty.room = std::move(std::get<0>(read));
    if (duty.room) {
        room::RoomInputs check = *duty.room;
        check.target.reset();
        auto evaluated = room::EvaluateRoom(room::RoomSource{}, check);
        if (std::string* refusal = std::get_if<std::string>(&evaluated)) {
            return FinderRefusal{"room", std::move(*refusal)};
        }
    }
    return std::nullopt;
}

bool Within(double value, const FinderInput& input) {
    const bool aboveLow = input.lowIncluded ? value >= input.low : value > input.low;
    return aboveLow && value <= input.high;
}

}  // namespace

DutyPointReading ReadDutyPoint(const FinderTexts& texts) {
    DutyPointReading reading;
    std::map<std::string_view, std::optional<double>> set;
    for (const FinderInput& input : FinderInputs) {
        const auto text = texts.find(input.name);
        const bool given = text != texts.end() && !IsBlank(text->second);
        if (!given && !input.required) {
            set[input.name] = std::nullopt;
            continue;
        }
        const std::optional<double> value = given ? ReadNumber(text->second) : std::nullopt;
        if (value) {
            reading.values[std::string(input.name)] = *value;
        }
        if (!value || !Within(*value, input)) {
            if (!reading.refusal) {
                reading.refusal =
                    FinderRefusal{std::string(input.name), std::string(input.message)};
            }
            continue;
        }
        set[input.name] = value;
    }
    if (reading.refusal) {
        return reading;
    }
    DutyPoint duty;
    duty.volumeFlow = *set["flow"];
    duty.differentialPressure = *set["dp"];
    if (set["target"] && *set["target"] > 0) {
        duty.target = set["target"];
    }
    duty.maxWidth = set["max-width"];
    duty.maxHeight = set["max-height"];
    duty.maxDiameter = set["max-diameter"];
    reading.refusal = ReadRoom(texts, duty);
    if (reading.refusal) {
        return reading;
    }
    reading.dutyPoint = duty;
    return reading;
}

}  // namespace lorvane::finder
