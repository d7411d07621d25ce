#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/result_record.h"

namespace lorvane::forms {

// One line of a chart of a record's octave levels, over the bands 63 to 8000 Hz, with its
// summation level in a column of its own at the right of the bands.
struct ChartLine {
    std::string label;           // the row's label on the form, or the reference curve's
    std::string group;           // the heading the form shows over the row, without its colon
    bool reference = false;      // a curve for comparison, not a result
    std::vector<Number> levels;  // one per octave band; absent where the line has no point
    Number summation;            // the row's summation level, or the level a reference sets
                                 // for the summation levels (a target); absent: none
};

// The places of a chart from left to right: the octave bands, then the summation column.
inline constexpr std::size_t kChartSummationPlace = 8;
inline constexpr std::size_t kChartPlaces = kChartSummationPlace + 1;
inline constexpr std::string_view kChartSummationHead = "\u03a3";  // the sign for a sum

// The lines a chart of the record draws: every computed octave row the form shows in fields or
// that is charted without them, and that `include` lets through (all of them without a filter),
// then, where there is at least one, the record's reference curves. Points that are not finite
// are left out.
std::vector<ChartLine> ChartLines(const ResultRecord& record,
                                  const std::function<bool(const BandRow&)>& include = {});

// The level axis of a chart of the lines: from the lowest point down and the highest up to whole
// steps (10 dB); 0 to 100 dB for a chart without a point.
struct LevelRange {
    double low = 0;
    double high = 100;
};
inline constexpr double kChartLevelStep = 10;
LevelRange ChartLevelRange(const std::vector<ChartLine>& lines);

}  // namespace lorvane::forms
