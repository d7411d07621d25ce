#pragma once

#include <array>

#include "products/circular/circular_controller.h"

namespace lorvane::circular {

// clang-format off
// Permitted volume flow per diameter, in the order of the form's diameter list.
inline constexpr std::array<FlowRange, 12> SelmonFlowRanges{{
    // D [mm]  Vmin   Vmax [m3/h]
    {  80,     40,   125},
    { 100,     70,   220},
    { 125,    100,   280},
    { 140,    150,   400},
    { 150,    170,   450},
    { 160,    180,   500},
    { 180,    200,   600},
    { 200,    250,   900},
    { 250,    500,  1600},
    { 315,    800,  2800},
    { 355,    900,  3200},
    { 400,   1000,  4000},
}};
// clang-format on

// Casing sound reduction in dB, per diameter and octave band 63 to 8000 Hz.
using SelmonCasingTables = CasingTables<12>;
extern const SelmonCasingTables SelmonCasingLoss;

CircularResult CalculateSelmon(double diameter, double volumeFlow, double differentialPressure);

const CircularController& SelmonController();

}  // namespace lorvane::circular
