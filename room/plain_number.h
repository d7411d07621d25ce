#pragma once

#include <string>

namespace lorvane::room {

// A finite value in the fewest significant digits that ReadPlainNumber reads back as exactly
// that value, written as a plain decimal: "5", "0.5", "812.5", "0.1", "-2.5"; never with an
// exponent, so 1e22 is "10000000000000000000000" and 1e-7 is "0.0000001". Zero is "0" whatever
// its sign.
std::string PlainNumber(double value);

// The same text, appended to a text.
void AppendPlainNumber(std::string& text, double value);

}  // namespace lorvane::room
