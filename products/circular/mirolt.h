#pragma once

#include <array>

#include "core/bands.h"
#include "products/circular/circular_controller.h"

namespace lorvane::circular {

// clang-format off
// Permitted volume flow per diameter, in the order of the form's diameter list.
inline constexpr std::array<FlowRange, 15> MiroltFlowRanges{{
    // D [mm]  Vmin   Vmax [m3/h]
    {  80,     25,   220},
    { 100,     40,   340},
    { 125,     60,   530},
    { 140,     80,   660},
    { 150,     90,   760},
    { 160,    100,   870},
    { 180,    130,  1100},
    { 200,    160,  1360},
    { 224,    200,  1700},
    { 250,    250,  2120},
    { 280,    310,  2660},
    { 300,    360,  3050},
    { 315,    400,  3360},
    { 355,    500,  4280},
    { 400,    650,  5400},
}};

// The frequencies in Hz the level regression uses in place of the third-octave centre
// frequencies, by band position. The three lowest octaves take 125, 63 and 150 Hz for all
// their bands; from 400 Hz on they are the centre frequencies.
inline constexpr ThirdOctaves MiroltFrequencies{
    125, 125, 125, 63, 63, 63, 150, 150, 150, 400, 500, 630,
    800, 1000, 1250, 1600, 2000, 2500, 3150, 4000, 5000, 6300, 8000, 10000};
// clang-format on

// Casing sound reduction in dB, per diameter and octave band 63 to 8000 Hz.
extern const CasingTables<MiroltFlowRanges.size()> MiroltCasingLoss;

CircularResult CalculateMirolt(double diameter, double volumeFlow, double differentialPressure);

const CircularController& MiroltController();

}  // namespace lorvane::circular
