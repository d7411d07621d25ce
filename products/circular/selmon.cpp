#include "products/circular/selmon.h"

#include "products/circular/zeta_sound_model.h"

namespace lorvane::circular {

// clang-format off
const SelmonCasingTables SelmonCasingLoss{
    .none = {{
        // D      63  125  250  500 1000 2000 4000 8000
        { 80,  {15,  20,  26,  26,  18,  17,  17,  12}},
        {100,  {15,  20,  25,  25,  16,  16,  16,  14}},
        {125,  {14,  20,  23,  18,  14,  13,  13,  13}},
        {140,  {13,  20,  20,  12,  10,   9,  12,  13}},
        {150,  {12,  20,  18,  11,   9,   8,  10,  11}},
        {160,  {11,  20,  16,  11,   9,   8,   8,   9}},
        {180,  {10,  20,  14,  10,   8,   7,   7,   6}},
        {200,  {10,  20,  12,  10,   8,   6,   6,   4}},
        {250,  {10,  20,  10,   9,   7,   5,   5,   4}},
        {315,  {14,  21,  20,  16,  14,  14,  11,  18}},
        {355,  {13,  20,  19,  15,  13,  12,  10,  17}},
        {400,  {12,  19,  18,  14,  12,  11,   9,  16}},
    }},
    .insulated25 = {{
        { 80,  {15,  21,  26,  30,  25,  26,  32,  26}},
        {100,  {15,  21,  27,  26,  24,  27,  31,  27}},
        {125,  {14,  21,  24,  18,  21,  21,  23,  24}},
        {140,  {13,  21,  22,  15,  18,  18,  20,  22}},
        {150,  {12,  21,  20,  14,  18,  16,  19,  19}},
        {160,  {12,  21,  18,  13,  18,  16,  18,  17}},
        {180,  {11,  21,  16,  15,  17,  27,  24,  12}},
        {200,  {11,  21,  14,  15,  16,  27,  24,  12}},
        {250,  {11,  21,  13,  14,  15,  18,  13,  12}},
        {315,  {14,  21,  22,  18,  22,  22,  19,  26}},
        {355,  {13,  21,  20,  17,  21,  20,  18,  25}},
        {400,  {13,  21,  19,  16,  20,  19,  17,  24}},
    }},
    .insulated50 = {{
        { 80,  {15,  23,  26,  42,  37,  38,  44,  38}},
        {100,  {16,  23,  31,  38,  36,  39,  43,  39}},
        {125,  {15,  23,  29,  30,  33,  33,  35,  36}},
        {140,  {14,  23,  26,  23,  29,  30,  32,  34}},
        {150,  {14,  23,  24,  24,  30,  29,  31,  32}},
        {160,  {14,  23,  23,  24,  30,  28,  30,  29}},
        {180,  {13,  23,  20,  25,  28,  28,  28,  26}},
        {200,  {13,  23,  18,  27,  28,  29,  26,  24}},
        {250,  {13,  23,  16,  26,  27,  30,  25,  24}},
        {315,  {14,  23,  27,  28,  34,  34,  31,  38}},
        {355,  {13,  23,  25,  27,  33,  32,  30,  37}},
        {400,  {13,  23,  24,  26,  32,  31,  29,  36}},
    }},
};
// clang-format on

namespace {

double SelmonMinimumPressure(double v) {
    return 54.5 - 10.5 * v + 2.2 * v * v;
}

}  // namespace

CircularResult CalculateSelmon(double diameter, double volumeFlow, double differentialPressure) {
    const int row = DiameterRow(SelmonFlowRanges, diameter);
    return CalculateZetaController(diameter, volumeFlow, differentialPressure,
                                   SelmonMinimumPressure, SelmonCasingLoss.Row(row));
}

const CircularController& SelmonController() {
    static const CircularController controller{
        .caption = "Selmon",
        .heading = "Sound power level of the constant volume flow controller Selmon",
        .titleId = 1164,
        .diameterListId = 1157,
        .vminId = 1149,
        .vmaxId = 1150,
        .diameterMessage = "Pease correct diameter",
        .levelFormat = "%4.0lf",
        .casingHeading = "Case-radiated noise:",
        .hasHiddenDiameterField = false,
        .clearsRangeOnRefusedDiameter = true,
        .flowRanges = SelmonFlowRanges,
        .calculate = CalculateSelmon,
    };
    return controller;
}

}  // namespace lorvane::circular
