#include "app/room_curves.h"

#include "core/bands.h"
#include "core/nc_rating.h"
#include "core/number_text.h"

namespace lorvane::app {
namespace {

// The chart draws the rows a form shows in fields; these are the rows of the panel's table of
// levels at the listener, which has no fields of a form, so they take ids of their own.
constexpr forms::ControlId kListenerRow = 9101;
constexpr forms::ControlId kAttenuatorRow = 9111;

forms::BandRowSpec ChartRow(std::string label, forms::ControlId row) {
    return {.key = {}, .label = std::move(label), .group = "Room", .unit = "dB",
            .format = "%5.0lf", .frequencies = OctaveBands, .firstField = row};
}

const forms::BandRowSpec& ListenerRow() {
    static const forms::BandRowSpec spec = ChartRow("At the listener", kListenerRow);
    return spec;
}

const forms::BandRowSpec& AttenuatorRow() {
    static const forms::BandRowSpec spec = ChartRow("With the attenuator", kAttenuatorRow);
    return spec;
}

forms::ReferenceCurve NcCurveLine(const NcCurve& curve) {
    std::vector<forms::Number> levels(kOctaveCount);  // 63 Hz takes no part
    for (std::size_t k = 0; k < kNcBandCount; ++k) {
        levels[kFirstNcOctave + k] = curve.limits[k];
    }
    return {"NC " + WholeNumber(curve.nc), std::move(levels)};
}

void AddNcCurvesAround(forms::ResultRecord& chart, const forms::ResultRecord& room) {
    const forms::ResultValue* below = room.FindValue("room.ncBelowLowestCurve");
    const forms::Number nc = below != nullptr ? forms::Number() : room.NumberAt("room.nc");
    std::size_t next = 0;
    while (nc && next < NcCurves.size() && NcCurves[next].nc <= *nc) {
        ++next;
    }
    if (next > 0) {
        chart.AddReference(NcCurveLine(NcCurves[next - 1]));
    }
    if (next < NcCurves.size()) {
        chart.AddReference(NcCurveLine(NcCurves[next]));
    }
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
