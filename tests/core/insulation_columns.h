#pragma once

namespace lorvane::test {

// Positions of the insulation thicknesses in the insertion-loss table and in the rows of an
// attenuator selection.
inline constexpr int k25mm = 0;
inline constexpr int k50mm = 1;

}  // namespace lorvane::test
