#include "forms/chart_lines.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/bands.h"

namespace lorvane::forms {
namespace {

bool IsOctaveRow(const BandRow& row) {
    return row.reach == Reach::Computed && row.spec->frequencies.size() == OctaveBands.size() &&
           (row.spec->firstField != kNoId || row.spec->charted);
}

std::string Heading(std::string group) {
    if (!group.empty() && group.back() == ':') {
        group.pop_back();
    }
    return group;
}

Number FinitePoint(const Number& level) {
    return level && std::isfinite(*level) ? level : std::nullopt;
}

std::vector<Number> FinitePoints(const std::vector<Number>& levels) {
    std::vector<Number> points;
    for (const Number& level : levels) {
        points.push_back(FinitePoint(level));
    }
    return points;
}

// Where a field shows the summation level, or the row is charted without fields.
Number SummationPoint(const BandRow& row) {
    return row.spec->summationField != kNoId || row.spec->charted ? FinitePoint(row.summation)
                                                                  : std::nullopt;
}

}  // namespace

std::vector<ChartLine> ChartLines(const ResultRecord& record,
                                  const std::function<bool(const BandRow&)>& include) {
    std::vector<ChartLine> lines;
    for (const ResultItem& item : record.Items()) {
        const auto* row = std::get_if<BandRow>(&item);
        if (row != nullptr && IsOctaveRow(*row) && (!include || include(*row))) {
            lines.push_back({row->spec->label, Heading(row->spec->group), false,
                             FinitePoints(row->levels), SummationPoint(*row)});
        }
    }
    if (!lines.empty()) {
        for (const ReferenceCurve& curve : record.References()) {
            lines.push_back(
                {curve.label, "", true, FinitePoints(curve.levels), FinitePoint(curve.summation)});
        }
    }
    return lines;
}

LevelRange ChartLevelRange(const std::vector<ChartLine>& lines) {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    const auto take = [&low, &high](const Number& level) {
        if (level) {
            low = std::min(low, *level);
            high = std::max(high, *level);
        }
    };
    for (const ChartLine& line : lines) {
        for (const Number& level : line.levels) {
            take(level);
        }
        take(line.summation);
    }
    if (!std::isfinite(low)) {
        return {};
    }
    return {std::floor(low / kChartLevelStep) * kChartLevelStep,
            std::ceil(high / kChartLevelStep) * kChartLevelStep};
}

}  // namespace lorvane::forms
