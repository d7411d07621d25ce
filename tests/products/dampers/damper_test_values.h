#pragma once

#include <limits>
#include <string>

// What several damper tests share: an input beyond every range, and the messages that refuse a
// width or a height outside 100 to 2000 mm.
namespace lorvane::dampers::test {

inline constexpr double kInf = std::numeric_limits<double>::infinity();

inline const std::string kWidth = "Please correct the width (100 to 2000 mm)";
inline const std::string kHeight = "Please correct the height (100 to 2000 mm)";

}  // namespace lorvane::dampers::test
