#include "products/circular/tolmar.h"

#include "products/circular/selmon.h"
#include "products/circular/zeta_sound_model.h"

namespace lorvane::circular {

// Each Tolmar diameter has the casing of the Selmon of the same diameter.
constexpr CasingTables<TolmarFlowRanges.size()> TolmarCasingLoss =
    CasingRowsOf(SelmonCasingLoss, TolmarFlowRanges);
static_assert(DiametersAgree(TolmarFlowRanges, TolmarCasingLoss));

namespace {

// The catalogue's cubic in the duct velocity, summed in this order.
double TolmarMinimumPressure(double v) {
    return ((39.2614 + 4.9247 * v) - 2.8411 * v * v) + 0.5373 * v * v * v;
}

}  // namespace

CircularResult CalculateTolmar(double diameter, double volumeFlow, double differentialPressure) {
    const int row = DiameterRow(TolmarFlowRanges, diameter);
    return CalculateZetaController(diameter, volumeFlow, differentialPressure,
                                   TolmarMinimumPressure, TolmarCasingLoss.Row(row));
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
