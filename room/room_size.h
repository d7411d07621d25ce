#pragma once

namespace lorvane::room {

// A room's sides in m.
struct RoomSize {
    double length = 0;
    double width = 0;
    double height = 0;

    double Volume() const { return length * width * height; }  // m3
    double Surface() const {
        return 2 * (length * width + length * height + width * height);
    }  // m2
};

}  // namespace lorvane::room
