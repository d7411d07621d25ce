#include "products/circular/mirolt.h"

#include "products/circular/regulated_sound_model.h"

namespace lorvane::circular {

// clang-format off
constexpr CasingTables<MiroltFlowRanges.size()> MiroltCasingLoss{
    .none = {{
        // D      63  125  250  500 1000 2000 4000 8000
        { 80,  {16,  17,  18,  17,  16,  17,  16,  13}},
        {100,  {15,  17,  17,  17,  16,  15,  14,  11}},
        {125,  {16,  17,  18,  18,  17,  16,  15,  11}},
        {140,  {16,  17,  18,  18,  18,  16,  15,  12}},
        {150,  {16,  17,  18,  18,  18,  17,  16,  14}},
        {160,  {16,  17,  19,  19,  18,  17,  16,  16}},
        {180,  {16,  17,  19,  19,  18,  17,  16,  14}},
        {200,  {16,  17,  18,  18,  18,  17,  16,  13}},
        {224,  {16,  17,  18,  18,  19,  16,  16,  12}},
        {250,  {15,  16,  18,  18,  18,  16,  15,  13}},
        {280,  {15,  16,  17,  17,  18,  16,  15,  12}},
        {300,  {14,  16,  17,  17,  18,  16,  15,  12}},
        {315,  {14,  15,  17,  17,  18,  16,  15,  12}},
        {355,  {13,  14,  16,  16,  17,  15,  14,  12}},
        {400,  {12,  13,  14,  14,  16,  14,  13,  12}},
    }},
    .insulated25 = {{
        { 80,  {17,  18,  21,  23,  25,  26,  26,  22}},
        {100,  {15,  18,  21,  25,  24,  26,  24,  20}},
        {125,  {16,  18,  19,  18,  24,  24,  25,  22}},
        {140,  {16,  18,  20,  21,  25,  25,  23,  21}},
        {150,  {16,  18,  20,  22,  26,  26,  24,  23}},
        {160,  {17,  18,  21,  21,  27,  25,  26,  24}},
        {180,  {17,  18,  21,  23,  26,  26,  26,  23}},
        {200,  {17,  18,  20,  23,  26,  26,  27,  21}},
        {224,  {17,  18,  20,  23,  27,  29,  24,  20}},
        {250,  {16,  17,  20,  23,  26,  28,  23,  20}},
        {280,  {15,  16,  19,  21,  26,  25,  25,  21}},
        {300,  {14,  16,  21,  21,  25,  25,  24,  22}},
        {315,  {14,  15,  20,  19,  26,  25,  25,  21}},
        {355,  {13,  14,  19,  18,  25,  23,  22,  20}},
        {400,  {13,  15,  15,  16,  24,  22,  21,  20}},
    }},
    .insulated50 = {{
        { 80,  {18,  20,  30,  39,  28,  40,  35,  34}},
        {100,  {15,  20,  23,  30,  39,  38,  41,  36}},
        {125,  {17,  20,  24,  30,  37,  36,  37,  34}},
        {140,  {17,  20,  24,  29,  37,  37,  35,  33}},
        {150,  {17,  20,  25,  31,  39,  37,  36,  29}},
        {160,  {17,  20,  25,  32,  38,  40,  38,  31}},
        {180,  {18,  20,  25,  32,  38,  42,  32,  34}},
        {200,  {19,  20,  24,  35,  38,  37,  36,  33}},
        {224,  {19,  20,  24,  35,  39,  36,  36,  32}},
        {250,  {17,  19,  24,  35,  38,  41,  35,  33}},
        {280,  {16,  19,  23,  29,  38,  36,  35,  32}},
        {300,  {15,  19,  23,  29,  38,  36,  35,  32}},
        {315,  {14,  18,  24,  29,  38,  36,  35,  32}},
        {355,  {13,  17,  22,  28,  37,  36,  34,  32}},
        {400,  {13,  16,  20,  26,  36,  35,  33,  32}},
    }},
};
// clang-format on
static_assert(DiametersAgree(MiroltFlowRanges, MiroltCasingLoss));

namespace {

double MiroltMinimumPressure(double v) {
    return v * v / 0.95 / 0.95 + 10;
}

// The Mirolt shifts the three lowest octaves to other regression frequencies and takes 91 %
// of the whole level.
const RegulatedModel kMiroltModel{
    .frequencies = MiroltFrequencies,
    .levelFactor = 0.91,
    .minimumPressure = MiroltMinimumPressure,
};

}  // namespace

CircularResult CalculateMirolt(double diameter, double volumeFlow, double differentialPressure) {
    const int row = DiameterRow(MiroltFlowRanges, diameter);
    return CalculateRegulatedController(diameter, volumeFlow, differentialPressure, kMiroltModel,
                                        MiroltCasingLoss.Row(row));
}

const CircularController& MiroltController() {
    static const CircularController controller{
        .caption = "Mirolt",
        .heading =
            "Sound power level of the electronically regulated volume flow controller Mirolt",
        .titleId = 1163,
        .diameterListId = 1160,
        .vminId = 1158,
        .vmaxId = 1159,
        .diameterMessage = "Pease correct diameter",
        .levelFormat = "%5.0lf",
        .casingHeading = "Case-radiated noise",
        .hasHiddenDiameterField = true,
        .clearsRangeOnRefusedDiameter = false,
        .flowRanges = MiroltFlowRanges,
        .calculate = CalculateMirolt,
    };
    return controller;
}

}  // namespace lorvane::circular
