#include "products/louvres/louvre.h"

#include <cmath>
#include <cstddef>
#include <stdexcept>

#include "core/acoustics.h"
#include "core/nc_rating.h"

namespace lorvane::louvres {
namespace {

constexpr double kMaximumWaterSeparation = 100;  // %

constexpr std::size_t Index(LouvreModel model) {
    return static_cast<std::size_t>(model);
}

constexpr std::size_t Index(LouvreModel model, LouvreSite site) {
    return Index(model) * kLouvreSiteCount + static_cast<std::size_t>(site);
}

// The tables are looked up by position: their rows must stand in the order of the lists.
constexpr bool TablesAreInListOrder() {
    for (std::size_t i = 0; i < LouvreModelData.size(); ++i) {
        if (Index(LouvreModelData[i].model) != i) {
            return false;
        }
    }
    for (std::size_t i = 0; i < LouvreSiteData.size(); ++i) {
        if (Index(LouvreSiteData[i].model, LouvreSiteData[i].site) != i) {
            return false;
        }
    }
    return true;
}
static_assert(TablesAreInListOrder());

bool IsListed(LouvreModel model, LouvreSite site) {
    const auto m = static_cast<int>(model);
    const auto s = static_cast<int>(site);
    return 0 <= m && m < kLouvreModelCount && 0 <= s && s < kLouvreSiteCount;
}

void RequireComputable(const LouvreInputs& in) {
    const bool finite =
        std::isfinite(in.width) && std::isfinite(in.height) && std::isfinite(in.volumeFlow);
    if (!finite || std::trunc(in.width) <= kLouvreFrame || std::trunc(in.height) <= kLouvreFrame ||
        !(in.volumeFlow > 0) || !IsListed(in.model, in.site)) {
        throw std::invalid_argument("louvre inputs outside the model");
    }
}

}  // namespace

LouvreResult CalculateLouvre(const LouvreInputs& in) {
    RequireComputable(in);
    const LouvreModelRow& model = LouvreModelData[Index(in.model)];
    const LouvreSiteRow& site = LouvreSiteData[Index(in.model, in.site)];

    const double a = std::trunc(in.width) / 1000;
    const double b = std::trunc(in.height) / 1000;
    const double frame = kLouvreFrame / 1000;

    LouvreResult r{};
    r.faceArea = a * b;
    r.freeArea = (a - frame) * (b - frame);
    r.velocity = (in.volumeFlow / 3600) / r.freeArea;
    r.zeta = site.zeta;
    r.pressureLoss = 0.6 * r.velocity * r.velocity * r.zeta;

    for (int j = 0; j < kThirdOctaveCount; ++j) {
        const double f = ThirdOctaveBands[j];
        const double strouhal = std::log10(10 * f * model.length / r.velocity);
        r.thirdOctave[j] = 10 * std::log10(0.23 * f) + site.spectrumShape(strouhal) +
                           10 * std::log10(r.freeArea) + 50 * std::log10(r.velocity) + 2;
    }
    r.octave = OctaveFromThirds(r.thirdOctave);

    ThirdOctaves weighted{};
    for (int j = 0; j < kThirdOctaveCount; ++j) {
        weighted[j] = r.thirdOctave[j] + AWeighting[j];
    }
    r.summationLevel = LevelSum(weighted);
    r.nc = RateNc(r.octave);

    // The polynomial climbs past 100 % at the lowest velocities; no louvre separates more
    // water than there is.
    r.waterSeparation = std::fmin(model.waterSeparation(r.velocity), kMaximumWaterSeparation);
    return r;
}

}  // namespace lorvane::louvres
