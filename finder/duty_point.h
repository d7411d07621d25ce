#pragma once

#include "room/room_evaluation.h"

#include <array>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace lorvane::finder {

// What a planner asks for: a volume flow at the differential pressure available at the
// controller, optionally a level not to exceed in the duct and the room the controller has.
struct DutyPoint {
    double volumeFlow = 0;              // m3/h
    double differentialPressure = 0;    // Pa
    std::optional<double> target;       // dB(A); absent: any level will do
    std::optional<double> maxWidth;     // mm, rectangular controllers
    std::optional<double> maxHeight;    // mm, rectangular controllers
    std::optional<double> maxDiameter;  // mm, circular controllers
    // The room the controller serves and the way there; absent: the search asks of no room.
    std::optional<room::RoomInputs> room;
};

// One input of the finder: its option name (as lorvane-calc takes it), its label and help, and
// the values it takes: above `low` (or from it, where `lowIncluded`) up to `high`.
struct FinderInput {
    std::string_view name;   // "flow", given as --flow
    std::string_view label;  // "Volume flow [m3/h]:"
    std::string_view help;
    bool required;
    double low;
    bool lowIncluded;
    double high;
    std::string_view message;  // names the input and its range, for a value outside it
};

inline constexpr double kNoLimit = std::numeric_limits<double>::max();

// The differential pressures and target levels every controller form takes.
inline constexpr double kLowestPressure = 0.1;     // Pa
inline constexpr double kHighestPressure = 10000;  // Pa, ProductInputs::maxDifferentialPressure
inline constexpr double kHighestTarget = 100;      // dB(A)

// clang-format off
inline constexpr std::array<FinderInput, 6> FinderInputs{{
    {"flow", "Volume flow [m3/h]:", "volume flow [m3/h]",
     true, 0, false, kNoLimit,
     "The volume flow must be a number above 0 m3/h"},
    {"dp", "Differential pressure [Pa]:", "differential pressure available at the controller [Pa]",
     true, kLowestPressure, true, kHighestPressure,
     "The differential pressure must lie between 0.1 and 10000 Pa"},
    {"target", "Target level [dB(A)]:", "summation level not to exceed in the duct [dB(A)]; 0: none",
     false, 0, true, kHighestTarget,
     "The target level must lie between 0 and 100 dB(A); 0 sets no target"},
    {"max-width", "Maximum width [mm]:", "largest width of a rectangular controller [mm]",
     false, 0, false, kNoLimit,
     "The maximum width must be a number above 0 mm"},
    {"max-height", "Maximum height [mm]:", "largest height of a rectangular controller [mm]",
     false, 0, false, kNoLimit,
     "The maximum height must be a number above 0 mm"},
    {"max-diameter", "Maximum diameter [mm]:", "largest diameter of a circular controller [mm]",
     false, 0, false, kNoLimit,
     "The maximum diameter must be a number above 0 mm"},
}};
// clang-format on

// The texts of the inputs by option name, as typed. An optional input that is missing or blank
// is not set.
using FinderTexts = std::map<std::string, std::string, std::less<>>;

// An input the finder cannot search with: its option name and a sentence naming its range.
struct FinderRefusal {
    std::string input;
    std::string message;
};

// The duty point the texts give, or the first input that does not read as a value of its
// range, in the order of FinderInputs, then the room options (schedule::RoomOptions, by their
// names): a room that cannot be read or evaluated is refused with its sentence. Numbers are read as
// the forms read them. A target of 0 means no target, as in the controller forms.
struct DutyPointReading {
    std::optional<DutyPoint> dutyPoint;
    std::optional<FinderRefusal> refusal;
    // The value of every input that holds a number, in or out of its range.
    std::map<std::string, double, std::less<>> values;
};

DutyPointReading ReadDutyPoint(const FinderTexts& texts);

}  // namespace lorvane::finder
