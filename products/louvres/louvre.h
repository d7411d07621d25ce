#pragma once

#include <array>
#include <optional>

#include "core/bands.h"

namespace lorvane::louvres {

// The installation site, in the order of the form's "Installation site:" list.
enum class LouvreSite { A, B, C, D };
inline constexpr int kLouvreSiteCount = 4;

// The louvre model, in the order of the form's "Model:" list.
enum class LouvreModel { Zarn1, Zarn2 };
inline constexpr int kLouvreModelCount = 2;

// A cubic polynomial c0 + c1 x + c2 x^2 + c3 x^3.
struct Cubic {
    double c0;
    double c1;
    double c2;
    double c3;

    constexpr double operator()(double x) const {
        return c0 + c1 * x + c2 * x * x + c3 * x * x * x;
    }
};

// Per model: the characteristic length of the spectrum model and the water separation degree
// in % over the velocity in the free cross-section.
struct LouvreModelRow {
    LouvreModel model;
    double length;  // k, m
    Cubic waterSeparation;
};

// Per model and site: the resistance coefficient and the shape of the spectrum.
struct LouvreSiteRow {
    LouvreModel model;
    LouvreSite site;
    double zeta;
    Cubic spectrumShape;
};

// clang-format off
inline constexpr std::array<LouvreModelRow, kLouvreModelCount> LouvreModelData{{
    // model               k [m]    P: c0         c1          c2           c3
    {LouvreModel::Zarn1,  0.0425,  {108.682,  -8.84496,   1.20561,   -0.112097}},
    {LouvreModel::Zarn2,  0.0155,  {105.022,  -6.10305,   0.940696,  -0.103502}},
}};

inline constexpr std::array<LouvreSiteRow, kLouvreModelCount * kLouvreSiteCount> LouvreSiteData{{
    // model               site            zeta   S: c0        c1         c2          c3
    {LouvreModel::Zarn1,  LouvreSite::A,  3.2,  {-5.62898,   20.7473,  -15.6979,   1.8084}},
    {LouvreModel::Zarn1,  LouvreSite::B,  4.2,  { 3.42637,   1.41324,  -1.20313,  -1.12191}},
    {LouvreModel::Zarn1,  LouvreSite::C,  3.6,  { 3.12454,   4.58012,  -5.02814,  -0.30992}},
    {LouvreModel::Zarn1,  LouvreSite::D,  3.6,  { 6.712,     1.68395,  -3.95867,  -0.398409}},
    {LouvreModel::Zarn2,  LouvreSite::A,  5.5,  {-3.43286,   36.8527,  -30.6725,   5.8668}},
    {LouvreModel::Zarn2,  LouvreSite::B,  6.3,  {-4.53821,   32.2792,  -21.9487,   2.90085}},
    {LouvreModel::Zarn2,  LouvreSite::C,  5.7,  { 0.559533,  28.0598,  -22.7237,   3.35736}},
    {LouvreModel::Zarn2,  LouvreSite::D,  5.7,  {-1.33306,   38.6739,  -31.2051,   5.09394}},
}};
// clang-format on

// Both models lose this much of width and of height to the frame.
inline constexpr double kLouvreFrame = 44;  // mm

struct LouvreInputs {
    double width;       // mm
    double height;      // mm
    double volumeFlow;  // m3/h
    LouvreSite site;
    LouvreModel model;
};

struct LouvreResult {
    double faceArea;           // m2, of width and height cut to whole millimetres
    double freeArea;           // m2, the free cross-section inside the frame
    double velocity;           // m/s, in the free cross-section
    double zeta;               // resistance coefficient
    double pressureLoss;       // Pa
    double waterSeparation;    // %, at most 100
    ThirdOctaves thirdOctave;  // sound power level, dB
    Octaves octave;            // sound power level, dB
    double summationLevel;     // dB(A), of the A-weighted third-octave levels
    std::optional<double> nc;  // NC rating; absent when no band reaches the NC 10 curve
};

// The louvre's flow and sound data. Width and height are cut to whole millimetres before
// anything is computed from them. The inputs are those the form accepts; inputs the model has
// no value for (no free cross-section, no flow, a value that is not finite, a site or model
// outside the lists) throw std::invalid_argument.
LouvreResult CalculateLouvre(const LouvreInputs& inputs);

}  // namespace lorvane::louvres
