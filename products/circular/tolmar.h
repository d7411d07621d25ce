#pragma once

#include <array>

#include "products/circular/circular_controller.h"

namespace lorvane::circular {

// clang-format off
// Permitted volume flow per diameter, in the order of the form's diameter list.
inline constexpr std::array<FlowRange, 6> TolmarFlowRanges{{
    // D [mm]  Vmin   Vmax [m3/h]
    {  80,     25,    80},
    { 100,     40,   125},
    { 125,     65,   220},
    { 160,    100,   350},
    { 200,    160,   500},
    { 250,    240,   800},
}};
// clang-format on

// Casing sound reduction in dB, per diameter and octave band 63 to 8000 Hz.
extern const CasingTables<TolmarFlowRanges.size()> TolmarCasingLoss;

CircularResult CalculateTolmar(double diameter, double volumeFlow, double differentialPressure);

const CircularController& TolmarController();

}  // namespace lorvane::circular
