#pragma once

#include <optional>
#include <span>

#include "products/rectangular/rectangular_controller.h"

namespace lorvane::rectangular {

// A permitted volume flow range in m3/h.
struct VolumeFlowRange {
    double vmin;
    double vmax;
};

// The range a W x H mm Basko serves by its velocity limits: that of the first size range row
// holding the size, else that of a special size matched exactly. Absent when the width is below
// the height or the size is in neither table.
std::optional<VolumeFlowRange> TheoreticalRange(double width, double height);

// The range of the existing scales of exactly this size: the Vmin of its first scale and the
// Vmax of its last, in table order (not the extremes). Absent when the width is below the height
// or the size has no scales.
std::optional<VolumeFlowRange> ExistingScaleRange(double width, double height);

// Whether one existing scale of exactly this size holds the volume flow, both limits inclusive.
bool FitsExistingScale(double width, double height, double volumeFlow);

struct BaskoRanges {
    std::optional<VolumeFlowRange> theoretical;
    std::optional<VolumeFlowRange> existingScales;
};

BaskoRanges RangesOf(double width, double height);

// A width and a height in mm.
struct BaskoSize {
    double width;
    double height;
};

// Every size the Basko is made in: those with existing scales, then the special sizes, once
// each, in table order.
std::span<const BaskoSize> BaskoSizes();

struct BaskoResult {
    BaskoRanges ranges;
    double velocity = 0;         // m/s
    double minimumPressure = 0;  // Pa, at most 9999
    bool accepted = false;       // false when dp + 1 < minimumPressure
    // The spectrum is computed before the pressure is compared, so it is there even when the
    // pressure is refused. Absent when the model gives no finite level (a volume flow of 0).
    std::optional<RectSpectrum> spectrum;
};

// The Basko of width W and height H in mm at volume flow V in m3/h and differential pressure dp
// in Pa.
BaskoResult CalculateBasko(double width, double height, double volumeFlow,
                           double differentialPressure);

}  // namespace lorvane::rectangular
