#pragma once

#include <string_view>

namespace lorvane::forms {

// The heading line of every form: "Tahoma" at 11 points in red 255, green 50, blue 0. Where the
// face is missing, the platform's default face is drawn at the same size and colour.
struct TitleFontSpec {
    std::string_view face;
    int pointSize;
};
inline constexpr TitleFontSpec TitleFont{"Tahoma", 11};

struct Rgb {
    int red;
    int green;
    int blue;
};
inline constexpr Rgb TitleColour{255, 50, 0};

}  // namespace lorvane::forms
