#include "app/room_curves.h"

#include "core/bands.h"
#include "core/number_text.h"
#include "forms/nc_curves.h"

namespace lorvane::app {
namespace {

// The chart draws the rows a form shows in fields; these are the rows of the panel's table of
// levels at the listener, which has no fields of a form, so they take ids of their own.
constexpr forms::ControlId kListenerRow = 9101;
constexpr forms::ControlId kAttenuatorRow = 9111;

forms::BandRowSpec ChartRow(std::string label, forms::ControlId row) {
    return {.key = {},
            .label = std::move(label),
            .group = "Room",
            .unit = "dB",
            .format = "%5.0lf",
            .frequencies = OctaveBands,
            .firstField = row};
}

const forms::BandRowSpec& ListenerRow() {
    static const forms::BandRowSpec spec = ChartRow("At the listener", kListenerRow);
    return spec;
}

const forms::BandRowSpec& AttenuatorRow() {
    static const forms::BandRowSpec spec = ChartRow("With the attenuator", kAttenuatorRow);
    return spec;
}

void AddNcCurvesAround(forms::ResultRecord& chart, const forms::ResultRecord& room) {
    const forms::ResultValue* below = room.FindValue("room.ncBelowLowestCurve");
    forms::AddBracketingNcCurves(chart,
                                 below != nullptr ? forms::Number() : room.NumberAt("room.nc"));
}

}  // namespace

forms::ResultRecord RoomChartRecord(const forms::ResultRecord& room) {
    forms::ResultRecord chart;
    if (const forms::BandRow* levels = room.FindBands("room.levels")) {
        chart.AddBands(ListenerRow(), levels->levels);
    }
    if (const forms::BandRow* levels = room.FindBands("room.attenuator.levels")) {
        chart.AddBands(AttenuatorRow(), levels->levels);
    }
    AddNcCurvesAround(chart, room);
    return chart;
}

}  // namespace lorvane::app
