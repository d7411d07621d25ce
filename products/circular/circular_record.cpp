#include "products/circular/circular_record.h"

#include <map>
#include <memory>
#include <mutex>

#include "core/number_text.h"
#include "forms/band_layout.h"

namespace lorvane::circular {
namespace {

using forms::BandRowSpec;
using forms::ResultRecord;
using forms::ValueSpec;

constexpr const char* kAttenuatorHeading = "Air-regenerated noise with attenuator:";
constexpr const char* kCasingKeys[kCasingVariants] = {"casing.none", "casing.25mm", "casing.50mm"};

BandRowSpec OctaveRow(std::string key, std::string summationKey, std::string label,
                      std::string unit, std::string_view format, forms::ControlId first,
                      forms::ControlId summation) {
    return {.key = std::move(key),
            .summationKey = std::move(summationKey),
            .label = std::move(label),
            .unit = std::move(unit),
            .format = std::string(format),
            .frequencies = OctaveBands,
            .firstField = first,
            .summationField = summation};
}

std::string CasingLabel(int variant) {
    return variant == 0 ? "without insulation [dB]" : forms::InsulationLabel(25.0 * variant);
}

void NotComputed(ResultRecord& record, const std::initializer_list<const ValueSpec*> specs) {
    for (const ValueSpec* spec : specs) {
        record.NotComputed(*spec);
    }
}

void ClearAttenuatorRows(ResultRecord& record, const CircularResults& r) {
    for (int t = 0; t < kInsulationCount; ++t) {
        record.NotComputed(r.attenuatorLength[t]);
        record.NotComputed(r.attenuatorRows[t]);
        record.NotComputed(r.targetReached[t]);
    }
}

void ClearAcousticRows(ResultRecord& record, const CircularResults& r) {
    record.NotComputed(r.octave);
    record.NotComputed(r.octaveA);
    for (const BandRowSpec& casing : r.casing) {
        record.NotComputed(casing);
    }
    ClearAttenuatorRows(record, r);
}

void AddSpectrum(ResultRecord& record, const CircularResults& r, const CircularSpectrum& s) {
    std::vector<forms::Number> thirds(s.thirdOctave.begin(), s.thirdOctave.end());
    for (std::size_t i = s.modelledThirdOctaves; i < thirds.size(); ++i) {
        thirds[i].reset();  // the model gives no level here; it counts as 0 dB in its octave
    }
    record.AddBands(r.thirdOctave, std::span<const forms::Number>(thirds));
    record.AddBands(r.octave, s.octave);
    record.AddBands(r.octaveA, s.octaveA, s.summationLevel);
    for (int variant = 0; variant < kCasingVariants; ++variant) {
        record.AddBands(r.casing[variant], s.casing[variant], s.casingSum[variant]);
    }
}

// The thicknesses of the rows that match a test, as in "25 and 50 mm".
template <typename Test>
std::string Thicknesses(Test test) {
    std::vector<double> thicknesses;
    for (int t = 0; t < kInsulationCount; ++t) {
        if (test(t)) {
            thicknesses.push_back(InsulationThicknesses[t]);
        }
    }
    return forms::ThicknessList(thicknesses);
}

void AddAttenuatorNotes(ResultRecord& record, const AttenuatorSelection& selection,
                        const std::array<bool, kInsulationCount>& estimates,
                        bool controllerMeetsTarget) {
    if (controllerMeetsTarget) {
        record.AddNote(
            "The controller alone meets the target summation level: no attenuator is needed; "
            "the rows show the shortest one.");
    }
    const std::string missed = Thicknesses([&](int t) { return !selection.rows[t].reachesTarget; });
    if (!missed.empty()) {
        record.AddNote("Target not reached with " + missed +
                       " insulation: the longest attenuator is shown.");
    }
    const std::string estimated = Thicknesses([&](int t) { return estimates[t]; });
    if (!estimated.empty()) {
        record.AddNote("The attenuator rows with " + estimated +
                       " insulation use estimated insertion loss values, not catalogue values.");
    }
}

void AddAttenuatorSelection(ResultRecord& record, const CircularResults& r,
                            const CircularOutcome& outcome) {
    const AttenuatorSelection& selection = outcome.selection;
    record.AddDiagnostics([selection] { return SelectionTrace(selection); });
    switch (selection.outcome) {
        case SelectionOutcome::Cleared:
            record.AddText(r.attenuatorOutcome, "cleared");
            ClearAttenuatorRows(record, r);
            return;
        case SelectionOutcome::NoValues:
            record.AddText(r.attenuatorOutcome, "noValues");
            record.AddNote("No attenuator data for diameters above 400 mm");
            return;
        case SelectionOutcome::Selected:
            record.AddText(r.attenuatorOutcome, "selected");
            break;
    }
    const int position = *FindAttenuatorDiameter(outcome.range->diameter);
    std::array<bool, kInsulationCount> estimates{};
    for (int t = 0; t < kInsulationCount; ++t) {
        const AttenuatorRow& row = selection.rows[t];
        estimates[t] = !InsertionLossFromCatalogue[position][t];
        // Italics mark the estimates; whether the row reaches the target has a column of its own.
        const std::string caveat =
            estimates[t] ? std::string(forms::kEstimatedInsertionLoss) : std::string();
        record.AddText(r.attenuatorLength[t], std::string(AttenuatorLengths[row.length].text));
        record.AddCaveat(caveat);
        record.AddBands(r.attenuatorRows[t], row.levels, row.summationLevel);
        record.AddCaveat(caveat);
        record.AddFlag(r.targetReached[t], row.reachesTarget);
    }
    const double ownLevel = outcome.result->spectrum->summationLevel;
    AddAttenuatorNotes(record, selection, estimates,
                       RoundWhole(outcome.targetLevel) >= RoundWhole(ownLevel));
    record.AddSource(forms::InsertionLossSource());
    // The target is a summation level: it stands beside the summation levels, not over the bands.
    record.AddReference({"Target " + WholeNumber(outcome.targetLevel) + " dB(A)",
                         std::vector<forms::Number>(kOctaveCount), outcome.targetLevel});
}

forms::Refusal RefusalOf(const CircularController& controller, CircularInput input) {
    static constexpr const char* kNames[] = {"diameter", "flow", "dp", "target"};
    return {kNames[static_cast<int>(input)],
            std::string(OutcomeMessage(controller, {.refused = input}))};
}

}  // namespace

const CircularResults& ResultsOf(const CircularController& controller) {
    // Made once per controller: every press of a form and every row of a schedule reads them.
    static std::mutex mutex;
    static std::map<const CircularController*, std::unique_ptr<const CircularResults>> made;
    const std::lock_guard lock(mutex);
    std::unique_ptr<const CircularResults>& results = made[&controller];
    if (!results) {
        results = std::make_unique<const CircularResults>(MakeResults(controller));
    }
    return *results;
}

CircularResults MakeResults(const CircularController& c) {
    const std::string_view level = c.levelFormat;
    CircularResults r{
        .vmin = {"flowRange.vmin", "Vmin [m3/h]", "m3/h", "%5.0lf", c.vminId},
        .vmax = {"flowRange.vmax", "Vmax [m3/h]", "m3/h", "%5.0lf", c.vmaxId},
        .velocity = {"velocity", "Velocity [m/s]", "m/s", "%5.1lf", ids::kVelocity},
        .zeta = {"zeta", "Resistance coefficient", "", "%.2lf"},
        .minimumPressure = {"minimumPressure", "Minimum pressure [Pa]", "Pa", "%5.0lf",
                            ids::kMinimumPressure},
        .accepted = {"accepted", "Differential pressure sufficient"},
        .thirdOctave = {.label = "Air-regenerated noise, third octaves [dB]",
                        .unit = "dB",
                        .format = std::string(level),
                        .frequencies = ThirdOctaveBands},
        .octave = OctaveRow("octave", "", "Air-regenerated noise [dB]", "dB", level, ids::kOctave,
                            forms::kNoId),
        .octaveA = OctaveRow("octaveA", "summationLevel", "A-weighted [dB(A)]", "dB(A)", level,
                             ids::kOctaveA, ids::kSummationLevel),
        .casing = {},
        .attenuatorOutcome = {"attenuator.outcome", "Attenuator"},
        .attenuatorLength = {},
        .attenuatorRows = {},
        .targetReached = {},
    };
    for (int variant = 0; variant < kCasingVariants; ++variant) {
        const std::string key = kCasingKeys[variant];
        r.casing[variant] =
            OctaveRow(key + ".levels", key + ".summationLevel", CasingLabel(variant), "dB", level,
                      ids::kCasing[variant], ids::kCasingSum[variant]);
        r.casing[variant].group = std::string(c.casingHeading);
    }
    for (int t = 0; t < kInsulationCount; ++t) {
        const std::string key = "attenuator.rows." + forms::InsulationKey(InsulationThicknesses[t]);
        const ids::AttenuatorRowIds& fields = ids::kAttenuatorRows[t];
        r.attenuatorLength[t] = {key + ".length", "Length", "m", "", fields.length};
        r.attenuatorRows[t] = OctaveRow(key + ".levels", key + ".summationLevel",
                                        forms::InsulationLabel(InsulationThicknesses[t]), "dB",
                                        level, fields.firstBand, fields.summation);
        r.attenuatorRows[t].group = kAttenuatorHeading;
        r.targetReached[t] = {key + ".targetReached", "Target reached", "", "",
                              fields.targetReached};
    }
    return r;
}

ResultRecord CircularRecord(const CircularController& controller, const CircularOutcome& outcome) {
    const CircularResults& r = ResultsOf(controller);
    ResultRecord record;
    if (outcome.range) {
        record.Add(r.vmin, outcome.range->vmin);
        record.Add(r.vmax, outcome.range->vmax);
    }
    if (outcome.refused) {
        switch (*outcome.refused) {
            case CircularInput::Diameter:
                if (controller.clearsRangeOnRefusedDiameter) {
                    NotComputed(record, {&r.vmin, &r.vmax});
                }
                NotComputed(record, {&r.velocity, &r.minimumPressure});
                break;
            case CircularInput::VolumeFlow:
                NotComputed(record, {&r.velocity, &r.minimumPressure});
                break;
            case CircularInput::DifferentialPressure:
            case CircularInput::TargetLevel:
                break;
        }
        ClearAcousticRows(record, r);
        record.Refuse(RefusalOf(controller, *outcome.refused));
        return record;
    }
    const CircularResult& result = *outcome.result;
    record.Add(r.velocity, result.velocity);
    if (result.zeta) {
        record.Add(r.zeta, *result.zeta);
    }
    record.Add(r.minimumPressure, result.minimumPressure);
    record.AddFlag(r.accepted, result.accepted);
    if (!result.accepted) {
        ClearAcousticRows(record, r);
        record.Refuse({"dp", std::string(OutcomeMessage(controller, outcome))});
        return record;
    }
    AddSpectrum(record, r, *result.spectrum);
    AddAttenuatorSelection(record, r, outcome);
    return record;
}

}  // namespace lorvane::circular
