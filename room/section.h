#pragma once

namespace lorvane::room {

// A duct's inner (free) section in mm: rectangular, width by height, or round.
struct Section {
    bool round = false;
    double width = 0;   // mm: the first side written, in the plane of a bend; or the diameter
    double height = 0;  // mm: the second side written; or the diameter again

    static constexpr Section Rectangular(double width, double height) {
        return {false, width, height};
    }
    static constexpr Section Round(double diameter) { return {true, diameter, diameter}; }

    bool operator==(const Section&) const = default;
};

}  // namespace lorvane::room
