#include "products/dampers/damper_acoustics.h"

#include <cmath>
#include <span>
#include <stdexcept>

#include "core/acoustics.h"

namespace lorvane::dampers {
namespace {

constexpr double kPressureFactor = 0.6;      // dp / (0.6 v^2) is zeta
constexpr double kMaxBladeAngle = 90;        // degrees, fully closed
constexpr double kRelativeBandwidth = 0.23;  // of a third-octave band
constexpr double kAreaFactor = 15;
constexpr double kZetaFactor = 22;
constexpr double kVelocityFactor = 50;
constexpr double kLevelAddition = 2;  // dB, added to every band

// c0 + c1 x + c2 x^2 + ..., summed in that order.
double Polynomial(std::span<const double> c, double x) {
    double sum = 0;
    double power = 1;
    for (double coefficient : c) {
        sum += coefficient * power;
        power *= x;
    }
    return sum;
}

const BladeAngleRow& BladeAngleRowFor(BladeLinkage linkage, int sealingCode) {
    for (const BladeAngleRow& row : BladeAngleCoefficients) {
        if (row.linkage == linkage && row.sealingCode == sealingCode) {
            return row;
        }
    }
    throw std::invalid_argument("no blade angle row for this linkage and sealing code");
}

double BladeAngle(BladeLinkage linkage, int sealingCode, double zeta) {
    const double angle =
        Polynomial(BladeAngleRowFor(linkage, sealingCode).c, std::log10(10 * zeta));
    return angle > kMaxBladeAngle ? kMaxBladeAngle : angle;
}

// Ncm; the blades turning in the same direction balance each other.
double AerodynamicTorque(BladeLinkage linkage, double angle, double differentialPressure,
                         double area) {
    if (linkage == BladeLinkage::SameDirection) {
        return 0;
    }
    const double s = Polynomial(AeroTorqueCoefficients, angle);
    return std::pow(10, s) / 10 * differentialPressure * area;
}

ThirdOctaves ThirdOctaveLevels(const DamperSpectrumRow& row, double area, double velocity,
                               double zeta) {
    const double areaTerm = kAreaFactor * std::log10(area);
    const double zetaTerm = kZetaFactor * std::log10(zeta);
    const double velocityTerm = kVelocityFactor * std::log10(velocity);
    ThirdOctaves levels{};
    for (int i = 0; i < kThirdOctaveCount; ++i) {
        const double f = ThirdOctaveBands[i];
        const double x = std::log10(10 * f * std::sqrt(area) / velocity);
        levels[i] = Polynomial(row.s, x) + 10 * std::log10(kRelativeBandwidth * f) + areaTerm +
                    zetaTerm + velocityTerm + kLevelAddition;
    }
    return levels;
}

}  // namespace

const DamperSpectrumRow& DamperSpectrumRowFor(BladeLinkage linkage, double zeta) {
    const DamperSpectrumRow* last = nullptr;
    for (const DamperSpectrumRow& row : DamperSpectrumCoefficients) {
        if (row.linkage != linkage) {
            continue;
        }
        if (zeta <= row.zetaUpTo) {
            return row;
        }
        last = &row;
    }
    if (last == nullptr) {
        throw std::invalid_argument("no spectrum rows for this linkage");
    }
    return *last;
}

std::optional<double> RoundLevel(double level) {
    if (!std::isfinite(level)) {
        return std::nullopt;
    }
    // Adding 0 turns the -0 that trunc gives between -1 and -0.5 into 0.
    return std::trunc(level + 0.5) + 0.0;
}

DamperAcousticsResult CalculateDamperAcoustics(double width, double height, double volumeFlow,
                                               BladeLinkage linkage, int sealingType,
                                               double differentialPressure) {
    if (sealingType < kSealingStandard || sealingType > kSealingAirtight) {
        throw std::invalid_argument("not a sealing type of the dampers");
    }
    const int sealingCode = SealingCode(sealingType);
    DamperAcousticsResult result;
    result.area = (width / 1000) * (height / 1000);
    result.velocity = volumeFlow / (result.area * 3600);
    result.zeta = differentialPressure / (kPressureFactor * result.velocity * result.velocity);
    result.bladeAngle = BladeAngle(linkage, sealingCode, result.zeta);
    result.negativeBladeAngle = result.bladeAngle < 0;
    result.aerodynamicTorque =
        AerodynamicTorque(linkage, result.bladeAngle, differentialPressure, result.area);

    const ThirdOctaves thirds = ThirdOctaveLevels(DamperSpectrumRowFor(linkage, result.zeta),
                                                  result.area, result.velocity, result.zeta);
    const Octaves octaves = OctaveFromThirds(thirds);
    ThirdOctaves weighted{};
    for (int i = 0; i < kThirdOctaveCount; ++i) {
        weighted[i] = thirds[i] + AWeighting[i];
    }
    for (int k = 0; k < kOctaveCount; ++k) {
        result.octave[k] = RoundLevel(octaves[k]);
        result.outsideSoundModel = result.outsideSoundModel || !result.octave[k];
    }
    result.summationLevel = RoundLevel(LevelSum(weighted));
    result.outsideSoundModel = result.outsideSoundModel || !result.summationLevel;
    result.maxZeta = MaxZeta(sealingType);

    for (std::size_t b = 0; b < BladePitches.size(); ++b) {
        const int pitch = BladePitches[b];
        BladeColumn& column = result.blades[b];
        column.pitch = pitch;
        column.maxPressureDifference = MaxPressureDifference(pitch, width, sealingCode);
        column.maxTorque =
            RequiredTorque(sealingType, pitch, width, height, column.maxPressureDifference);
        column.requiredTorque =
            RequiredTorque(sealingType, pitch, width, height, differentialPressure);
        column.bending = BladeBending(pitch, width, differentialPressure);
    }
    return result;
}

}  // namespace lorvane::dampers
