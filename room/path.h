#pragma once

#include <optional>
#include <variant>
#include <vector>

#include "room/elbow.h"
#include "room/element_attenuation.h"
#include "room/end_reflection.h"
#include "room/section.h"

namespace lorvane::room {

// A straight duct, lined when it has a lining thickness.
struct DuctRun {
    Section section;
    double length = 0;             // m
    std::optional<double> lining;  // mm
    bool operator==(const DuctRun&) const = default;
};

// A 90° elbow.
struct Elbow {
    Section section;
    Bend bend = Bend::Square;
    bool vanes = false;
    bool lined = false;
    bool operator==(const Elbow&) const = default;
};

// A branch taking on its share of the sound power at a junction.
struct Branch {
    double share = 1;  // 0 < share <= 1
    bool operator==(const Branch&) const = default;
};

// The outlet into the room.
struct Outlet {
    Section section;
    OutletMount mount = OutletMount::Flush;
    bool operator==(const Outlet&) const = default;
};

using PathElement = std::variant<DuctRun, Elbow, Branch, Outlet>;

// The elements between the product and the room, in the order the sound meets them.
using Path = std::vector<PathElement>;

// What one element takes off the sound power, with the note of a lined duct outside its model.
ElementAttenuation AttenuationOf(const PathElement& element);

}  // namespace lorvane::room
