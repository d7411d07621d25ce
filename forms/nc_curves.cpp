#include "forms/nc_curves.h"

#include <string>
#include <vector>

#include "core/nc_rating.h"
#include "core/number_text.h"

namespace lorvane::forms {
namespace {

ReferenceCurve CurveOf(const NcCurve& curve) {
    std::vector<Number> levels(kOctaveCount);  // 63 Hz takes no part
    for (std::size_t k = 0; k < kNcBandCount; ++k) {
        levels[kFirstNcOctave + k] = curve.limits[k];
    }
    return {"NC " + WholeNumber(curve.nc), std::move(levels)};
}

}  // namespace

void AddBracketingNcCurves(ResultRecord& record, const std::optional<double>& nc) {
    std::size_t next = 0;
    while (nc && next < NcCurves.size() && NcCurves[next].nc <= *nc) {
        ++next;
    }
    if (next > 0) {
        record.AddReference(CurveOf(NcCurves[next - 1]));
    }
    if (next < NcCurves.size()) {
        record.AddReference(CurveOf(NcCurves[next]));
    }
}

}  // namespace lorvane::forms
