#include "app/room_curves.h"

#include <cmath>

#include "core/bands.h"
#include "core/number_text.h"
#include "forms/nc_curves.h"
#include "room/noise_rating.h"

namespace lorvane::app {
namespace {

// A row of the panel's table of levels at the listener, which has no fields of a form.
forms::BandRowSpec ChartRow(std::string label) {
    return {.key = {},
            .label = std::move(label),
            .group = "Room",
            .unit = "dB",
            .format = "%5.0lf",
            .frequencies = OctaveBands,
            .charted = true};
}

const forms::BandRowSpec& ListenerRow() {
    static const forms::BandRowSpec spec = ChartRow("At the listener");
    return spec;
}

const forms::BandRowSpec& AttenuatorRow() {
    static const forms::BandRowSpec spec = ChartRow("With the attenuator");
    return spec;
}

void AddNcCurvesAround(forms::ResultRecord& chart, const forms::ResultRecord& room) {
    const forms::ResultValue* below = room.FindValue("room.ncBelowLowestCurve");
    forms::AddBracketingNcCurves(chart,
                                 below != nullptr ? forms::Number() : room.NumberAt("room.nc"));
}

// The NR curves a chart compares with: every fifth rating from the lowest to the highest.
constexpr double kLowestNrCurve = 0;
constexpr double kHighestNrCurve = 130;
constexpr double kNrCurveStep = 5;

forms::ReferenceCurve NrReference(double rating) {
    const Octaves curve = room::NrCurve(rating);
    return {"NR " + WholeNumber(rating), std::vector<forms::Number>(curve.begin(), curve.end())};
}

// The NR curve at or below the room's rating and the next, as the NC curves are chosen; none
// for a room without a rating.
void AddNrCurvesAround(forms::ResultRecord& chart, const forms::Number& nr) {
    if (!nr || !std::isfinite(*nr)) {
        return;
    }
    if (*nr < kLowestNrCurve) {
        chart.AddReference(NrReference(kLowestNrCurve));
    } else if (*nr >= kHighestNrCurve) {
        chart.AddReference(NrReference(kHighestNrCurve));
    } else {
        const double below = std::floor(*nr / kNrCurveStep) * kNrCurveStep;
        chart.AddReference(NrReference(below));
        chart.AddReference(NrReference(below + kNrCurveStep));
    }
}

}  // namespace

forms::ResultRecord RoomChartRecord(const forms::ResultRecord& room) {
    forms::ResultRecord chart;
    if (const forms::BandRow* levels = room.FindBands("room.levels")) {
        chart.AddBands(ListenerRow(), levels->levels, levels->summation);
    }
    if (const forms::BandRow* levels = room.FindBands("room.attenuator.levels")) {
        chart.AddBands(AttenuatorRow(), levels->levels, levels->summation);
    }
    AddNcCurvesAround(chart, room);
    AddNrCurvesAround(chart, room.NumberAt("room.nr"));
    return chart;
}

}  // namespace lorvane::app
