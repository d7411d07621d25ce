#include "core/nc_rating.h"

#include <cstddef>

namespace lorvane {
namespace {

// The rating of one band's level, or nothing below the lowest curve.
std::optional<double> RateBand(std::size_t band, double level) {
    if (level < NcCurves.front().limits[band]) {
        return std::nullopt;
    }
    for (std::size_t k = 0; k + 1 < NcCurves.size(); ++k) {
        const double lower = NcCurves[k].limits[band];
        const double upper = NcCurves[k + 1].limits[band];
        if (level < upper) {
            const double step = NcCurves[k + 1].nc - NcCurves[k].nc;
            return NcCurves[k].nc + step * (level - lower) / (upper - lower);
        }
    }
    return NcCurves.back().nc + (level - NcCurves.back().limits[band]);
}

}  // namespace

std::optional<double> RateNc(const Octaves& octaves) {
    std::optional<double> rating;
    for (std::size_t band = 0; band < kNcBandCount; ++band) {
        const std::optional<double> bandRating = RateBand(band, octaves[band + kFirstNcOctave]);
        if (bandRating && (!rating || *bandRating > *rating)) {
            rating = bandRating;
        }
    }
    return rating;
}

}  // namespace lorvane
