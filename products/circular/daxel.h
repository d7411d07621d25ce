#pragma once

#include <array>

#include "products/circular/circular_controller.h"

namespace lorvane::circular {

// clang-format off
// Permitted volume flow per diameter, in the order of the form's diameter list.
inline constexpr std::array<FlowRange, 18> DaxelFlowRanges{{
    // D [mm]  Vmin   Vmax [m3/h]
    { 100,     38,   250},
    { 125,     60,   400},
    { 140,     83,   550},
    { 150,     95,   630},
    { 160,    105,   700},
    { 180,    135,   900},
    { 200,    165,  1100},
    { 224,    210,  1400},
    { 250,    255,  1700},
    { 280,    330,  2200},
    { 300,    375,  2500},
    { 315,    420,  2800},
    { 355,    525,  3500},
    { 400,    675,  4500},
    { 450,    675,  4500},
    { 500,    765,  5100},
    { 560,    990,  6600},
    { 630,   1260,  8400},
}};
// clang-format on

// Casing sound reduction in dB, per diameter and octave band 63 to 8000 Hz.
extern const CasingTables<DaxelFlowRanges.size()> DaxelCasingLoss;

CircularResult CalculateDaxel(double diameter, double volumeFlow, double differentialPressure);

const CircularController& DaxelController();

}  // namespace lorvane::circular
