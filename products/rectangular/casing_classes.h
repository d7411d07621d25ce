#pragma once

#include <array>
#include <optional>

#include "core/bands.h"

namespace lorvane::rectangular {

// A casing size class holds the rectangular casings up to its width and height bounds.
struct CasingSizeClass {
    int number;
    double widthBound;   // mm
    double heightBound;  // mm
};

// The sound reduction of the casings of one size class, per octave band 63 to 8000 Hz. The
// case-radiated level is the air-regenerated octave level minus these values.
struct CasingLoss {
    int sizeClass;
    Octaves dB;
};

inline constexpr int kCasingSizeClassCount = 16;

// clang-format off
// The classes of one width bound stand together, in rising height bound.
inline constexpr std::array<CasingSizeClass, kCasingSizeClassCount> CasingSizeClasses{{
    // class  width  height bound [mm]
    { 1,   200,  100},
    { 2,   200,  200},
    { 3,   400,  100},
    { 4,   400,  200},
    { 5,   400,  400},
    { 6,   600,  100},
    { 7,   600,  200},
    { 8,   600,  300},
    { 9,   600,  400},
    {10,   800,  200},
    {11,   800,  300},
    {12,   800,  400},
    {13,  1000,  200},
    {14,  1000,  400},
    {15,  1200,  200},
    {16,  1200,  400},
}};

// The bare casing.
inline constexpr std::array<CasingLoss, kCasingSizeClassCount> CasingLossBare{{
    // class  63 125 250 500  1k  2k  4k  8k
    { 1, { 0,  2,  3,  4,  6,  7,  8,  7}},
    { 2, { 0,  2,  2,  3,  4,  6,  7,  8}},
    { 3, { 0,  5,  6,  8,  9, 11, 10,  9}},
    { 4, { 0,  4,  5,  6,  8,  9, 11, 11}},
    { 5, { 0,  3,  4,  5,  6,  8,  9, 11}},
    { 6, { 0,  6,  7,  9, 10, 11, 11, 10}},
    { 7, { 0,  4,  6,  7,  9, 10, 12, 12}},
    { 8, { 0,  4,  4,  6,  7,  9, 10, 12}},
    { 9, { 0,  4,  4,  6,  7,  9, 10, 10}},
    {10, { 0,  3,  5,  6,  9, 11, 13, 13}},
    {11, { 0,  3,  4,  5,  7,  9, 11, 13}},
    {12, { 0,  3,  4,  5,  7,  9, 11, 11}},
    {13, { 0,  3,  4,  6, 11, 13, 14, 13}},
    {14, { 0,  3,  4,  7,  9, 12, 11, 11}},
    {15, { 0,  3,  4,  6, 11, 13, 14, 13}},
    {16, { 0,  3,  4,  7,  9, 12, 11, 11}},
}};

// The casing with 30 mm insulation.
inline constexpr std::array<CasingLoss, kCasingSizeClassCount> CasingLoss30{{
    // class  63 125 250 500  1k  2k  4k  8k
    { 1, { 0,  4,  7, 12, 16, 18, 18, 16}},
    { 2, { 0,  4,  6, 11, 14, 17, 17, 17}},
    { 3, { 0,  7, 10, 16, 19, 22, 20, 18}},
    { 4, { 0,  6,  9, 14, 18, 20, 21, 20}},
    { 5, { 0,  5,  8, 13, 16, 19, 19, 20}},
    { 6, { 0,  8, 11, 17, 20, 22, 21, 19}},
    { 7, { 0,  6, 10, 15, 19, 21, 22, 21}},
    { 8, { 0,  6,  8, 14, 17, 20, 20, 21}},
    { 9, { 0,  6,  8, 14, 17, 20, 20, 19}},
    {10, { 0,  5,  9, 14, 19, 22, 23, 22}},
    {11, { 0,  5,  8, 13, 17, 20, 21, 22}},
    {12, { 0,  5,  8, 13, 17, 20, 21, 20}},
    {13, { 0,  5,  8, 14, 21, 24, 24, 22}},
    {14, { 0,  5,  8, 15, 19, 23, 21, 20}},
    {15, { 0,  5,  8, 14, 21, 24, 24, 22}},
    {16, { 0,  5,  8, 15, 19, 23, 21, 20}},
}};
// clang-format on

// Row i of every casing table belongs to class i + 1.
constexpr bool NumberedInOrder() {
    for (int i = 0; i < kCasingSizeClassCount; ++i) {
        const auto row = static_cast<std::size_t>(i);
        if (CasingSizeClasses[row].number != i + 1 || CasingLossBare[row].sizeClass != i + 1 ||
            CasingLoss30[row].sizeClass != i + 1) {
            return false;
        }
    }
    return true;
}
static_assert(NumberedInOrder());

// The size class of a W x H casing in mm: the first class whose width bound holds W, then,
// among the classes of that width bound, the first whose height bound holds H. A height above
// every bound of the group takes the group's last class (600 x 600 mm is class 9). Absent when
// W exceeds every width bound.
std::optional<int> FindCasingSizeClass(double width, double height);

// The losses of class 1 to 16 in one of the casing tables.
const Octaves& CasingLossOf(const std::array<CasingLoss, kCasingSizeClassCount>& table,
                            int sizeClass);

}  // namespace lorvane::rectangular
