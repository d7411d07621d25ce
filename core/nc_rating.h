#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "core/bands.h"

namespace lorvane {

// The noise criterion rates the seven octave bands from 125 Hz to 8 kHz; 63 Hz takes no part.
inline constexpr std::size_t kNcBandCount = 7;
inline constexpr std::size_t kFirstNcOctave = 1;  // the 125 Hz octave

// One noise-criterion curve: its limit level per octave band.
struct NcCurve {
    double nc;
    std::array<double, kNcBandCount> limits;  // dB, 125 to 8000 Hz
};

// clang-format off
inline constexpr std::array<NcCurve, 14> NcCurves{{
    // NC    125  250  500  1000  2000  4000  8000 [Hz]
    {10,   { 32,  25,  18,   12,    9,    7,    6}},
    {15,   { 36,  29,  22,   17,   14,   12,   11}},
    {20,   { 40,  33,  26,   22,   19,   17,   16}},
    {25,   { 44,  37,  31,   27,   24,   22,   21}},
    {30,   { 48,  41,  35,   31,   29,   28,   27}},
    {35,   { 52,  45,  40,   36,   34,   33,   32}},
    {40,   { 56,  50,  45,   41,   39,   38,   37}},
    {45,   { 60,  54,  49,   46,   44,   43,   42}},
    {50,   { 64,  58,  54,   51,   49,   48,   47}},
    {55,   { 67,  62,  58,   56,   54,   53,   52}},
    {60,   { 71,  67,  63,   61,   59,   58,   57}},
    {65,   { 75,  71,  68,   66,   64,   63,   62}},
    {70,   { 80,  76,  72,   71, 69.9,   68,   67}},  // 69.9 at 2 kHz, as printed
    {75,   { 85,  81,  77,   76,   74,   73,   72}},
}};
// clang-format on

// The NC rating of an octave spectrum, from the unrounded levels. A band between two
// neighbouring curves rates linearly between their NC values, so a band lying on a curve rates
// exactly that curve's NC even where neighbouring curves are not 5 dB apart; at or above the
// NC 75 curve a band rates 75 plus its excess. The rating is that of the highest-rated band.
// The levels are finite: a louvre spectrum always is, and a room level that is not is refused.
// Absent when no band reaches the NC 10 curve: there is then no rating, not a rating of 0.
std::optional<double> RateNc(const Octaves& octaves);

}  // namespace lorvane
