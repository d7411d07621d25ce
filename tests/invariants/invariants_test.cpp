// Properties every product's results keep at every valid operating point: each would catch a
// wrong sign, a swapped table row or a band shifted by one. The operating points are a grid over
// each product's inputs (the ends of every range among them), filled with points drawn from a
// generator with a fixed seed, so every run checks the same points.

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <random>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/attenuator_selection.h"
#include "core/attenuator_table.h"
#include "core/bands.h"
#include "products/attenuators/attenuator.h"
#include "products/circular/daxel.h"
#include "products/circular/mirolt.h"
#include "products/circular/selmon.h"
#include "products/circular/tolmar.h"
#include "products/dampers/blade_bending.h"
#include "products/dampers/damper_acoustics.h"
#include "products/dampers/damper_leakage.h"
#include "products/dampers/damper_torque.h"
#include "products/louvres/louvre.h"
#include "products/rectangular/basko.h"
#include "products/rectangular/quenta.h"

namespace lorvane {
namespace {

constexpr int kPointsPerProduct = 400;
constexpr double kTolerance = 1e-9;  // dB: what rounding of the sums may leave

// The octave A-weightings, 63 Hz to 8 kHz.
constexpr Octaves OctaveWeights() {
    Octaves weights{};
    for (int k = 0; k < kOctaveCount; ++k) {
        weights[k] = OctaveAWeighting(k);
    }
    return weights;
}
constexpr Octaves kOctaveWeights = OctaveWeights();

// A row of band levels with the A-weighted summation level the product forms from exactly these
// bands, where it forms one.
struct Row {
    std::string name;
    std::vector<double> levels;
    std::span<const double> weights = kOctaveWeights;  // the A-weighting of each band
    std::optional<double> summation;
};

Row OctaveRow(std::string name, const Octaves& levels, std::optional<double> summation = {}) {
    return {std::move(name), {levels.begin(), levels.end()}, kOctaveWeights, summation};
}

// What a product shows at one operating point.
struct Sample {
    std::string point;                                   // the operating point, for messages
    std::vector<std::pair<std::string, double>> values;  // every number shown
    std::vector<Row> rows;                               // every row of bands shown
    // By their place among the rows: the sound the product makes, the sound through its casing
    // and behind an attenuator.
    std::size_t airRegenerated = 0;
    std::vector<std::size_t> caseRadiated;
    std::vector<std::size_t> behindAttenuator;
    std::optional<Row> withMoreAir;  // the product's sound with more air, all else equal
};

using Rng = std::mt19937;

double Uniform(Rng& rng, double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(rng);
}

// Spread evenly over the decades between low and high.
double LogUniform(Rng& rng, double low, double high) {
    return std::exp(Uniform(rng, std::log(low), std::log(high)));
}

// The grid's ends for the first few points, drawn values after them.
double GridOrUniform(Rng& rng, int point, double low, double high) {
    switch (point % 5) {
        case 0:
            return low;
        case 1:
            return high;
        default:
            return Uniform(rng, low, high);
    }
}

std::string Point(std::initializer_list<std::pair<const char*, double>> inputs) {
    std::ostringstream text;
    text.precision(17);
    for (const auto& [name, value] : inputs) {
        text << name << " " << value << "  ";
    }
    return text.str();
}

// --- The products --------------------------------------------------------------------------

struct Product {
    const char* name;
    std::function<std::optional<Sample>(Rng& rng, int point)> sample;
};

void LinkRows(Sample& s, std::size_t air, std::vector<std::size_t> casing,
              std::vector<std::size_t> attenuator) {
    s.airRegenerated = air;
    s.caseRadiated = std::move(casing);
    s.behindAttenuator = std::move(attenuator);
}

std::optional<Sample> CircularSample(const circular::CircularController& c, Rng& rng, int point) {
    const circular::FlowRange& range = c.flowRanges[point % c.flowRanges.size()];
    const double flow =
        GridOrUniform(rng, point / static_cast<int>(c.flowRanges.size()), range.vmin, range.vmax);
    // The lowest pressure accepted at this flow, up to the highest any form takes.
    const double minimum = c.calculate(range.diameter, flow, 10000).minimumPressure;
    const double low = std::max(0.1, minimum - 1);
    const double dp = point % 3 == 0 ? low : LogUniform(rng, low, 10000);
    const double target = point % 4 == 0 ? 0 : Uniform(rng, 1, 100);
    const circular::CircularResult r = c.calculate(range.diameter, flow, dp);
    Sample s;
    s.point = std::string(c.caption) + ": " +
              Point({{"diameter", range.diameter}, {"flow", flow}, {"dp", dp}, {"target", target}});
    if (!r.accepted || !r.spectrum) {
        ADD_FAILURE() << s.point << ": a valid operating point refused";
        return std::nullopt;
    }
    const circular::CircularSpectrum& sp = *r.spectrum;
    s.values = {{"velocity", r.velocity}, {"minimumPressure", r.minimumPressure}};
    if (r.zeta) {
        s.values.emplace_back("zeta", *r.zeta);
    }
    for (int i = 0; i < sp.modelledThirdOctaves; ++i) {
        s.values.emplace_back("thirdOctave", sp.thirdOctave[i]);
    }
    s.rows.push_back(OctaveRow("octave", sp.octave, sp.summationLevel));
    s.rows.push_back(OctaveRow("octaveA", sp.octaveA));
    for (int v = 0; v < circular::kCasingVariants; ++v) {
        s.rows.push_back(OctaveRow("casing " + std::to_string(v), sp.casing[v], sp.casingSum[v]));
    }
    const AttenuatorSelection selection =
        SelectAttenuatorLengths(range.diameter, sp.octave, target);
    std::vector<std::size_t> attenuatorRows;
    if (selection.outcome == SelectionOutcome::Selected) {
        for (int t = 0; t < kInsulationCount; ++t) {
            attenuatorRows.push_back(s.rows.size());
            s.rows.push_back(OctaveRow("behind attenuator " + std::to_string(t),
                                       selection.rows[t].levels, selection.rows[t].summationLevel));
        }
    }
    LinkRows(s, 0, {2, 3, 4}, attenuatorRows);
    return s;
}

std::optional<Sample> RectangularSample(const std::optional<rectangular::RectSpectrum>& spectrum,
                                        Sample s) {
    if (!spectrum) {
        ADD_FAILURE() << s.point << ": no spectrum at a valid operating point";
        return std::nullopt;
    }
    for (const double level : spectrum->thirdOctave) {
        s.values.emplace_back("thirdOctave", level);
    }
    s.rows.push_back(OctaveRow("octave", spectrum->octave, spectrum->summationLevel));
    std::vector<std::size_t> casing;
    if (spectrum->casing) {
        s.values.emplace_back("casingClass", spectrum->casing->sizeClass);
        s.rows.push_back(OctaveRow("casing bare", spectrum->casing->bare.levels,
                                   spectrum->casing->bare.summationLevel));
        s.rows.push_back(OctaveRow("casing 30 mm", spectrum->casing->insulated30.levels,
                                   spectrum->casing->insulated30.summationLevel));
        casing = {1, 2};
    }
    LinkRows(s, 0, casing, {});
    return s;
}

std::optional<Sample> BaskoSample(Rng& rng, int point) {
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const double width = std::round(Uniform(rng, 100, 600));
        const double height = std::round(Uniform(rng, 100, width));
        const rectangular::BaskoRanges ranges = rectangular::RangesOf(width, height);
        if (!ranges.theoretical) {
            continue;
        }
        const double flow =
            GridOrUniform(rng, point, ranges.theoretical->vmin, ranges.theoretical->vmax);
        const double minimum =
            rectangular::CalculateBasko(width, height, flow, 10000).minimumPressure;
        const double dp = LogUniform(rng, std::max(0.1, minimum - 1), 10000);
        const rectangular::BaskoResult r = rectangular::CalculateBasko(width, height, flow, dp);
        Sample s;
        s.point =
            "Basko: " + Point({{"width", width}, {"height", height}, {"flow", flow}, {"dp", dp}});
        s.values = {{"velocity", r.velocity},
                    {"minimumPressure", r.minimumPressure},
                    {"vmin", ranges.theoretical->vmin},
                    {"vmax", ranges.theoretical->vmax}};
        if (!r.accepted) {
            ADD_FAILURE() << s.point << ": a valid operating point refused";
            return std::nullopt;
        }
        return RectangularSample(r.spectrum, std::move(s));
    }
    ADD_FAILURE() << "no Basko size found";
    return std::nullopt;
}

std::optional<Sample> QuentaSample(Rng& rng, int point) {
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const double width = std::round(Uniform(rng, 100, 1200));
        const double height = std::round(Uniform(rng, 100, width));
        const rectangular::NozzleSelection nozzles = rectangular::SelectNozzles(width, height);
        if (!nozzles.found) {
            continue;
        }
        const double flow = GridOrUniform(rng, point, nozzles.vmin, nozzles.vmax);
        const double minimum =
            rectangular::CalculateQuenta(width, height, flow, 10000).minimumPressure;
        const double dp = LogUniform(rng, std::max(0.1, minimum - 1), 10000);
        const rectangular::QuentaResult r = rectangular::CalculateQuenta(width, height, flow, dp);
        Sample s;
        s.point =
            "Quenta: " + Point({{"width", width}, {"height", height}, {"flow", flow}, {"dp", dp}});
        s.values = {{"velocity", r.velocity},
                    {"minimumPressure", r.minimumPressure},
                    {"nozzles.vmin", r.nozzles.vmin},
                    {"nozzles.vmax", r.nozzles.vmax}};
        if (!r.accepted) {
            ADD_FAILURE() << s.point << ": a valid operating point refused";
            return std::nullopt;
        }
        return RectangularSample(r.spectrum, std::move(s));
    }
    ADD_FAILURE() << "no Quenta size found";
    return std::nullopt;
}

void AddOptional(Sample& s, const char* name, const std::optional<double>& value) {
    if (value) {
        s.values.emplace_back(name, *value);
    }
}

std::optional<Sample> DamperAcousticsSample(Rng& rng, int point) {
    const double width = GridOrUniform(rng, point, 100, 2000);
    const double height = GridOrUniform(rng, point / 5, 100, 2000);
    const double flow = LogUniform(rng, 0.1, 175000);
    const double dp = LogUniform(rng, 0.1, 5000);
    const auto linkage = point % 2 == 0 ? dampers::BladeLinkage::OppositeDirection
                                        : dampers::BladeLinkage::SameDirection;
    const int sealing = 1 + point % 3;
    const dampers::DamperAcousticsResult r =
        dampers::CalculateDamperAcoustics(width, height, flow, linkage, sealing, dp);
    Sample s;
    s.point = "damper acoustics: " + Point({{"width", width},
                                            {"height", height},
                                            {"flow", flow},
                                            {"dp", dp},
                                            {"linkage", static_cast<int>(linkage)},
                                            {"sealing", sealing}});
    s.values = {{"area", r.area},
                {"velocity", r.velocity},
                {"zeta", r.zeta},
                {"bladeAngle", r.bladeAngle},
                {"aeroTorque", r.aerodynamicTorque},
                {"maxZeta", r.maxZeta}};
    // A level the model cannot give is absent, not shown; the others must be numbers.
    for (const std::optional<double>& level : r.octave) {
        AddOptional(s, "octave", level);
    }
    AddOptional(s, "summationLevel", r.summationLevel);
    for (const dampers::BladeColumn& blade : r.blades) {
        s.values.emplace_back("maxPressureDifference", blade.maxPressureDifference);
        s.values.emplace_back("bending", blade.bending);
        AddOptional(s, "maxTorque", blade.maxTorque);
        AddOptional(s, "requiredTorque", blade.requiredTorque);
    }
    return s;
}

std::optional<Sample> DamperStrengthSample(Rng& rng, int point) {
    const double width = GridOrUniform(rng, point, 100, 2000);
    const double height = GridOrUniform(rng, point / 5, 100, 2000);
    const double dp = point % 7 == 0 ? 10000 : LogUniform(rng, 0.1, 10000);
    Sample s;
    s.point = "damper bending, leakage, torque: " +
              Point({{"width", width}, {"height", height}, {"dp", dp}});
    for (const dampers::BendingColumn& c : dampers::CalculateBladeBending(width, dp).blades) {
        s.values.emplace_back("bending.standard", c.standard);
        s.values.emplace_back("bending.reinforced", c.reinforced);
    }
    for (const dampers::LeakageColumn& c :
         dampers::CalculateDamperLeakage(width, height, dp).blades) {
        for (const dampers::LeakageCell& cell : c.rows) {
            s.values.emplace_back("leakage", cell.leakage);
            s.values.emplace_back("leakage.pmax", cell.maxPressureDifference);
        }
    }
    for (const dampers::TorqueColumn& c :
         dampers::CalculateDamperTorque(width, height, dp).blades) {
        AddOptional(s, "torque.standard", c.standard);
        AddOptional(s, "torque.hollowProfile", c.hollowProfile);
        AddOptional(s, "torque.class2", c.classTwo);
        AddOptional(s, "torque.airtight", c.airtight);
        AddOptional(s, "weight", c.weight);
    }
    return s;
}

std::optional<Sample> LouvreSample(Rng& rng, int point) {
    louvres::LouvreInputs in{
        .width = GridOrUniform(rng, point, 300, 2000),
        .height = GridOrUniform(rng, point / 5, 345, 2000),
        .volumeFlow = 0,
        .site = static_cast<louvres::LouvreSite>(point % louvres::kLouvreSiteCount),
        .model = static_cast<louvres::LouvreModel>(point / 4 % louvres::kLouvreModelCount),
    };
    // The flows of face velocities from 1 to 6 m/s, as the form accepts them.
    const double face = in.width * in.height / 1e6 * 3600;
    const double lower = Uniform(rng, 1, 6);
    const double higher = point % 3 == 0 ? std::nextafter(lower, 7.0) : Uniform(rng, lower, 6);
    in.volumeFlow = lower * face;
    const louvres::LouvreResult r = louvres::CalculateLouvre(in);
    louvres::LouvreInputs more = in;
    more.volumeFlow = higher * face;
    const louvres::LouvreResult m = louvres::CalculateLouvre(more);

    Sample s;
    s.point = "louvre: " + Point({{"width", in.width},
                                  {"height", in.height},
                                  {"flow", in.volumeFlow},
                                  {"more flow", more.volumeFlow},
                                  {"site", static_cast<int>(in.site)},
                                  {"model", static_cast<int>(in.model)}});
    s.values = {{"faceArea", r.faceArea},
                {"velocity", r.velocity},
                {"zeta", r.zeta},
                {"pressureLoss", r.pressureLoss},
                {"waterSeparation", r.waterSeparation}};
    AddOptional(s, "nc", r.nc);
    s.rows.push_back(OctaveRow("octave", r.octave));
    // The louvre's summation level is formed from its A-weighted third octaves.
    s.rows.push_back(Row{"third octaves",
                         {r.thirdOctave.begin(), r.thirdOctave.end()},
                         AWeighting,
                         r.summationLevel});
    s.withMoreAir = OctaveRow("octave with more air", m.octave);
    s.withMoreAir->levels.insert(s.withMoreAir->levels.end(), m.thirdOctave.begin(),
                                 m.thirdOctave.end());
    // Compare the third octaves too: the louder spectrum follows the octaves in the same row.
    s.rows[0].levels.insert(s.rows[0].levels.end(), r.thirdOctave.begin(), r.thirdOctave.end());
    return s;
}

// The attenuator form shows insertion losses; levels behind it are those in front less these.
std::optional<Sample> AttenuatorSample(Rng& rng, int point) {
    const int position = point % kAttenuatorDiameterCount;
    const double length = GridOrUniform(rng, point / kAttenuatorDiameterCount, 500, 2000);
    const std::optional<attenuators::InsertionLoss> loss =
        attenuators::InterpolateInsertionLoss(position, length);
    Sample s;
    s.point =
        "attenuator: " + Point({{"diameter", AttenuatorDiameters[position]}, {"length", length}});
    if (!loss) {
        ADD_FAILURE() << s.point << ": no insertion loss for a valid size";
        return std::nullopt;
    }
    Octaves front{};
    for (double& level : front) {
        level = Uniform(rng, 20, 100);
    }
    s.rows.push_back(OctaveRow("in front", front));
    std::vector<std::size_t> behind;
    for (int t = 0; t < kInsulationCount; ++t) {
        Octaves levels{};
        for (int k = 0; k < kOctaveCount; ++k) {
            s.values.emplace_back("insertionLoss", (*loss)[t][k]);
            levels[k] = front[k] - (*loss)[t][k];
        }
        behind.push_back(s.rows.size());
        s.rows.push_back(OctaveRow("behind " + std::to_string(t), levels));
    }
    LinkRows(s, 0, {}, behind);
    return s;
}

// --- The invariants ------------------------------------------------------------------------

using Violations = std::vector<std::string>;

void EveryShownValueIsFinite(const Sample& s, Violations& out) {
    for (const auto& [name, value] : s.values) {
        if (!std::isfinite(value)) {
            out.push_back(name + " = " + std::to_string(value));
        }
    }
    for (const Row& row : s.rows) {
        for (const double level : row.levels) {
            if (!std::isfinite(level)) {
                out.push_back(row.name + " holds " + std::to_string(level));
            }
        }
        if (row.summation && !std::isfinite(*row.summation)) {
            out.push_back(row.name + " sums to " + std::to_string(*row.summation));
        }
    }
}

// Energetically, n bands add at most 10 log10(n) dB to the loudest of them.
void SummationLiesAboveTheLoudestWeightedBand(const Sample& s, Violations& out) {
    for (const Row& row : s.rows) {
        if (!row.summation) {
            continue;
        }
        double loudest = -INFINITY;
        for (std::size_t k = 0; k < row.weights.size(); ++k) {
            loudest = std::max(loudest, row.levels[k] + row.weights[k]);
        }
        const double most = loudest + 10 * std::log10(static_cast<double>(row.weights.size()));
        if (!(*row.summation >= loudest - kTolerance && *row.summation <= most + kTolerance)) {
            out.push_back(row.name + " sums to " + std::to_string(*row.summation) +
                          " dB(A), outside " + std::to_string(loudest) + " to " +
                          std::to_string(most));
        }
    }
}

void NotLouderThanTheAirRegeneratedNoise(const Sample& s, const std::vector<std::size_t>& rows,
                                         Violations& out) {
    if (rows.empty()) {
        return;
    }
    const Row& air = s.rows[s.airRegenerated];
    for (const std::size_t i : rows) {
        const Row& row = s.rows[i];
        for (int k = 0; k < kOctaveCount; ++k) {
            if (row.levels[k] > air.levels[k]) {
                out.push_back(row.name + " at " + std::to_string(OctaveBands[k]) +
                              " Hz: " + std::to_string(row.levels[k]) + " dB above " +
                              std::to_string(air.levels[k]));
            }
        }
    }
}

void CaseRadiatedNeverExceedsAirRegenerated(const Sample& s, Violations& out) {
    NotLouderThanTheAirRegeneratedNoise(s, s.caseRadiated, out);
}

void BehindAnAttenuatorNeverLouderThanInFront(const Sample& s, Violations& out) {
    NotLouderThanTheAirRegeneratedNoise(s, s.behindAttenuator, out);
}

void MoreAirIsNeverQuieter(const Sample& s, Violations& out) {
    if (!s.withMoreAir) {
        return;
    }
    const std::vector<double>& less = s.rows[s.airRegenerated].levels;
    for (std::size_t k = 0; k < less.size(); ++k) {
        if (s.withMoreAir->levels[k] < less[k] - kTolerance) {
            out.push_back("band " + std::to_string(k) + ": " +
                          std::to_string(s.withMoreAir->levels[k]) + " dB with more air, " +
                          std::to_string(less[k]) + " dB with less");
        }
    }
}

struct Invariant {
    const char* name;
    void (*check)(const Sample& s, Violations& out);
};

constexpr Invariant kInvariants[] = {
    {"every shown value is finite", &EveryShownValueIsFinite},
    {"a summation level lies between the loudest A-weighted band and 10 log10(n) dB above it",
     &SummationLiesAboveTheLoudestWeightedBand},
    {"case-radiated levels never exceed the air-regenerated ones",
     &CaseRadiatedNeverExceedsAirRegenerated},
    {"levels behind an attenuator never exceed those in front of it",
     &BehindAnAttenuatorNeverLouderThanInFront},
    {"a louvre passing more air is never quieter in any band", &MoreAirIsNeverQuieter},
};

void PrintTo(const Product& product, std::ostream* out) {
    *out << product.name;
}

class InvariantsTest : public testing::TestWithParam<Product> {};

TEST_P(InvariantsTest, HoldAtEveryOperatingPointOfTheGrid) {
    Rng rng(20240611);
    int checked = 0;
    for (int point = 0; point < kPointsPerProduct; ++point) {
        const std::optional<Sample> sample = GetParam().sample(rng, point);
        if (!sample) {
            continue;
        }
        ++checked;
        for (const Invariant& invariant : kInvariants) {
            Violations violations;
            invariant.check(*sample, violations);
            for (const std::string& violation : violations) {
                ADD_FAILURE() << invariant.name << "\n  at " << sample->point << "\n  "
                              << violation;
            }
        }
    }
    EXPECT_EQ(checked, kPointsPerProduct);
}

INSTANTIATE_TEST_SUITE_P(
    Products, InvariantsTest,
    testing::Values(
        Product{"Selmon",
                [](Rng& r, int p) { return CircularSample(circular::SelmonController(), r, p); }},
        Product{"Tolmar",
                [](Rng& r, int p) { return CircularSample(circular::TolmarController(), r, p); }},
        Product{"Daxel",
                [](Rng& r, int p) { return CircularSample(circular::DaxelController(), r, p); }},
        Product{"Mirolt",
                [](Rng& r, int p) { return CircularSample(circular::MiroltController(), r, p); }},
        Product{"Basko", &BaskoSample}, Product{"Quenta", &QuentaSample},
        Product{"DamperAcoustics", &DamperAcousticsSample},
        Product{"DamperBendingLeakageTorque", &DamperStrengthSample},
        Product{"Louvre", &LouvreSample}, Product{"Attenuator", &AttenuatorSample}),
    [](const auto& product) { return std::string(product.param.name); });

}  // namespace
}  // namespace lorvane
