#pragma once

#include <optional>

#include "finder/duty_point.h"

namespace lorvane::test {

// A duty point of `flow` m3/h against `dp` Pa, with a target level in dB(A) where given and no
// limit on the size.
inline finder::DutyPoint Duty(double flow, double dp, std::optional<double> target = std::nullopt) {
    return {.volumeFlow = flow, .differentialPressure = dp, .target = target};
}

}  // namespace lorvane::test
