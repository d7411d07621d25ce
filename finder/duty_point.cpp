#include "finder/duty_point.h"

#include "core/number_text.h"
#include "core/shared_state.h"

namespace lorvane::finder {
namespace {

// The differential pressures every controller form accepts.
constexpr double kLowestPressure = 0.1;
constexpr double kHighestPressure = ProductInputs{}.maxDifferentialPressure;
// The target levels the circular controller forms accept.
constexpr double kHighestTarget = 100;

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// A range check of one input: the lowest value (included or not) and the highest.
struct Bounds {
    double low;
    bool lowIncluded;
    double high;  // included
    std::string_view message;
};

bool Within(double value, const Bounds& bounds) {
    const bool aboveLow = bounds.lowIncluded ? value >= bounds.low : value > bounds.low;
    return aboveLow && value <= bounds.high;
}

// clang-format off
const std::map<std::string_view, Bounds> kBounds{
    {"flow",         {0,               false, 1e300,           "The volume flow must be a number above 0 m3/h"}},
    {"dp",           {kLowestPressure, true,  kHighestPressure,
                      "The differential pressure must lie between 0.1 and 10000 Pa"}},
    {"target",       {0,               true,  kHighestTarget,
                      "The target level must lie between 0 and 100 dB(A); 0 sets no target"}},
    {"max-width",    {0,               false, 1e300,           "The maximum width must be a number above 0 mm"}},
    {"max-height",   {0,               false, 1e300,           "The maximum height must be a number above 0 mm"}},
    {"max-diameter", {0,               false, 1e300,           "The maximum diameter must be a number above 0 mm"}},
};
// clang-format on

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
        const Bounds& bounds = kBounds.at(input.name);
        if (!value || !Within(*value, bounds)) {
            if (!reading.refusal) {
                reading.refusal =
                    FinderRefusal{std::string(input.name), std::string(bounds.message)};
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
    reading.dutyPoint = duty;
    return reading;
}

}  // namespace lorvane::finder
