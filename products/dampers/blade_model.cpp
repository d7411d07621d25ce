#include "products/dampers/blade_model.h"

#include <cmath>
#include <limits>

#include "products/dampers/damper_inputs.h"

namespace lorvane::dampers {
namespace {

// The torque model is not evaluated beyond this many blades.
constexpr int kMaxBlades = 20;
constexpr double kReferenceWidth = 200;   // mm
constexpr double kUnsealedBending = 3.0;  // mm
constexpr double kSealedBending = 1.5;    // mm

const TorqueRow* FindTorqueRow(int sealingType, int pitch) {
    const int blade = pitch == kBlade100 ? kBlade100 : kBlade165;
    for (const TorqueRow& row : TorqueTable) {
        if (row.sealingType == sealingType && row.pitch == blade) {
            return &row;
        }
    }
    return nullptr;
}

// Pitch and length in m, times the cube of the length in mm.
double LoadFactor(int pitch, double length) {
    return (pitch / 1000.0) * (length / 1000) * length * length * length;
}

}  // namespace

std::optional<int> BladeCount(int pitch, double height) {
    if (pitch < 1 || !std::isfinite(height)) {
        return std::nullopt;
    }
    const double h = std::trunc(height);
    if (h < 0) {
        return std::nullopt;
    }
    // Whole millimetres divided with remainder, in doubles so that no height overflows.
    const double p = pitch;
    const double r = std::fmod(h, p);
    const double q = (h - r) / p;
    const double count = p - r <= kCountedBladeGap ? q + 1 : q;
    if (count < 1 || count > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(count);
}

std::optional<double> RequiredTorque(int sealingType, int pitch, double width, double height,
                                     double differentialPressure) {
    const std::optional<int> blades = BladeCount(pitch, height);
    if (!blades || *blades > kMaxBlades) {
        return std::nullopt;
    }
    const TorqueRow* row = FindTorqueRow(sealingType, pitch);
    if (row == nullptr || row->wref - kReferenceWidth < 1 || row->p0 < 1) {
        return std::nullopt;
    }
    const double n = *blades;
    const double t200 = row->a + row->b * n;
    const double tref = row->c + row->d * n;
    const double slope = (tref - t200) / (row->wref - kReferenceWidth);
    const double torque =
        (t200 + slope * (width - kReferenceWidth)) * (1 + differentialPressure / row->p0);
    if (!std::isfinite(torque)) {
        return std::nullopt;
    }
    return torque;
}

double BladeBending(int pitch, double length, double differentialPressure) {
    return differentialPressure * LoadFactor(pitch, length) /
           (BladeInertia(pitch) * kBendingStiffnessFactor);
}

double MaxPressureDifference(int pitch, double length, int sealingCode) {
    const double permitted =
        sealingCode == kSealingCodeUnsealed ? kUnsealedBending : kSealedBending;
    const double pmax =
        permitted * BladeInertia(pitch) * kBendingStiffnessFactor / LoadFactor(pitch, length);
    return pmax > DamperInputs::maxDifferentialPressure ? DamperInputs::maxDifferentialPressure
                                                        : pmax;
}

}  // namespace lorvane::dampers
