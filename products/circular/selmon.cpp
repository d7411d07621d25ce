#include "products/circular/selmon.h"

#include "products/circular/zeta_sound_model.h"

namespace lorvane::circular {


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
