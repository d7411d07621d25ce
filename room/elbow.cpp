#include "room/elbow.h"

#include <algorithm>
#include <array>

namespace lorvane::room {
namespace {

inline constexpr int kElbowColumns = 6;

// The lower edges in kHz·mm of the f·w columns after the first: a value on an edge belongs to
// the column above it.
inline constexpr std::array<double, kElbowColumns - 1> ElbowColumnEdges{48, 96, 190, 380, 760};

struct ElbowRow {
    Bend bend;
    bool vanes;
    bool lined;
    std::array<double, kElbowColumns> decibels;
};

// Attenuation of 90° elbows (ASHRAE), by f·w with the band's centre f in kHz and the width w in
// the plane of the bend in mm. The round bend's row holds whatever its vanes and lining.
// clang-format off
inline constexpr std::array<ElbowRow, 5> ElbowRows{{
    //                            f·w:  <48  48-96  96-190  190-380  380-760  >=760
    // bend         vanes  lined
    {Bend::Square,  false, false,     {  0,    1,     5,       8,       4,      3}},
    {Bend::Square,  false, true,      {  0,    1,     6,      11,      10,     10}},
    {Bend::Square,  true,  false,     {  0,    1,     4,       6,       4,      4}},
    {Bend::Square,  true,  true,      {  0,    1,     4,       7,       7,      7}},
    {Bend::Round,   false, false,     {  0,    1,     2,       3,       3,      3}},
}};
// clang-format on

const ElbowRow& ElbowRowFor(Bend bend, bool vanes, bool lined) {
    for (const ElbowRow& row : ElbowRows) {
        if (row.bend == bend &&
            (bend == Bend::Round || (row.vanes == vanes && row.lined == lined))) {
            return row;
        }
    }
    return ElbowRows.back();
}

}  // namespace

Octaves ElbowAttenuation(double width, Bend bend, bool vanes, bool lined) {
    const ElbowRow& row = ElbowRowFor(bend, vanes, lined);
    Octaves attenuation{};
    for (int k = 0; k < kOctaveCount; ++k) {
        // f times w first: exact for whole widths, so that a value on an edge is met exactly
        // (0.063 kHz is no exact binary number).
        const double fw = OctaveBands[k] * width / 1000;
        const auto column = std::upper_bound(ElbowColumnEdges.begin(), ElbowColumnEdges.end(), fw) -
                            ElbowColumnEdges.begin();
        attenuation[k] = row.decibels[column];
    }
    return attenuation;
}

}  // namespace lorvane::room
