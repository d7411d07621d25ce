#include "products/circular/tolmar.h"

#include "products/circular/zeta_sound_model.h"

namespace lorvane::circular {

// clang-format off
const std::array<TolmarCasingRow, 6> TolmarCasingLoss{{
    // D       none: 63 .. 8000 Hz                25 mm: 63 .. 8000 Hz               50 mm: 63 .. 8000 Hz
    { 80, {{{15, 20, 26, 26, 18, 17, 17, 12}, {15, 21, 26, 30, 25, 26, 32, 26}, {15, 23, 26, 42, 37, 38, 44, 38}}}},
    {100, {{{15, 20, 25, 25, 16, 16, 16, 14}, {15, 21, 27, 26, 24, 27, 31, 27}, {16, 23, 31, 38, 36, 39, 43, 39}}}},
    {125, {{{14, 20, 23, 18, 14, 13, 13, 13}, {14, 21, 24, 18, 21, 21, 23, 24}, {15, 23, 29, 30, 33, 33, 35, 36}}}},
    {160, {{{11, 20, 16, 11,  9,  8,  8,  9}, {12, 21, 18, 13, 18, 16, 18, 17}, {14, 23, 23, 24, 30, 28, 30, 29}}}},
    {200, {{{10, 20, 12, 10,  8,  6,  6,  4}, {11, 21, 14, 15, 16, 27, 24, 12}, {13, 23, 18, 27, 28, 29, 26, 24}}}},
    {250, {{{10, 20, 10,  9,  7,  5,  5,  4}, {11, 21, 13, 14, 15, 18, 13, 12}, {13, 23, 16, 26, 27, 30, 25, 24}}}},
}};
// clang-format on

namespace {

// The catalogue's cubic in the duct velocity, summed in this order.
double TolmarMinimumPressure(double v) {
    return ((39.2614 + 4.9247 * v) - 2.8411 * v * v) + 0.5373 * v * v * v;
}

}  // namespace

CircularResult CalculateTolmar(double diameter, double volumeFlow, double differentialPressure) {
    const int row = DiameterRow(TolmarFlowRanges, diameter);
    return CalculateZetaController(diameter, volumeFlow, differentialPressure,
                                   TolmarMinimumPressure, TolmarCasingLoss[row].loss);
}

const CircularController& TolmarController() {
    static const CircularController controller{
        .caption = "Tolmar",
        .heading = "Sound power level of the constant volume flow controller Tolmar",
        .titleId = 1164,
        .diameterListId = 1157,
        .vminId = 1149,
        .vmaxId = 1150,
        .diameterMessage = "Pease correct diameter",
        .levelFormat = "%4.0lf",
        .casingHeading = "Case-radiated noise:",
        .hasHiddenDiameterField = false,
        .clearsRangeOnRefusedDiameter = true,
        .flowRanges = TolmarFlowRanges,
        .calculate = CalculateTolmar,
    };
    return controller;
}

}  // namespace lorvane::circular
