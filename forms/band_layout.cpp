#include "forms/band_layout.h"

#include "core/attenuator_table.h"
#include "core/bands.h"
#include "core/number_text.h"

namespace lorvane::forms {

void AddLabel(FormDescription& form, Cell cell, std::string text) {
    form.Add({.id = kNoId, .kind = ControlKind::Label, .text = std::move(text), .cell = cell});
}

void AddField(FormDescription& form, ControlId id, ControlKind kind, Cell cell, int width) {
    form.Add({.id = id, .kind = kind, .cell = cell, .width = width});
}

void AddFrequencyRow(FormDescription& form, int row, std::optional<std::string> summationHead) {
    AddLabel(form, {row, kRowLabelColumn}, "Frequency [Hz]:");
    for (int k = 0; k < kOctaveCount; ++k) {
        AddLabel(form, {row, kFirstBandColumn + k}, WholeNumber(OctaveBands[k]));
    }
    if (summationHead) {
        form.Add({.kind = ControlKind::Label,
                  .text = std::move(*summationHead),
                  .cell = {row, kSummationColumn},
                  .wraps = true});
    }
    form.showsSpectrum = true;
}

void AddACorrectionRow(FormDescription& form, int row) {
    AddLabel(form, {row, kRowLabelColumn}, "A-correction [dB]:");
    for (int k = 0; k < kOctaveCount; ++k) {
        AddLabel(form, {row, kFirstBandColumn + k}, WholeNumber(OctaveAWeighting(k)));
    }
}

void AddBandRow(FormDescription& form, int row, std::string label, ControlId firstBand,
                std::optional<ControlId> summation) {
    AddLabel(form, {row, kRowLabelColumn}, std::move(label));
    for (int k = 0; k < kOctaveCount; ++k) {
        AddField(form, firstBand + k, ControlKind::Result, {row, kFirstBandColumn + k});
    }
    if (summation) {
        AddField(form, *summation, ControlKind::Result, {row, kSummationColumn});
    }
}

void AddBandRow(FormDescription& form, int row, const BandRowSpec& spec) {
    const std::optional<ControlId> summation =
        spec.summationField == kNoId ? std::nullopt : std::optional(spec.summationField);
    AddBandRow(form, row, spec.label + ":", spec.firstField, summation);
}

std::string InsulationLabel(double thickness) {
    return "with Insulation thickness " + WholeNumber(thickness) + " mm [dB]";
}

std::string InsulationKey(double thickness) {
    return WholeNumber(thickness) + "mm";
}

const std::string& InsertionLossSource() {
    static const std::string source = [] {
        std::string rows;
        for (int d = 0; d < kAttenuatorDiameterCount; ++d) {
            std::vector<double> thicknesses;
            for (int t = 0; t < kInsulationCount; ++t) {
                if (InsertionLossFromCatalogue[d][t]) {
                    thicknesses.push_back(InsulationThicknesses[t]);
                }
            }
            if (!thicknesses.empty()) {
                rows += (rows.empty() ? "" : "; ") + WholeNumber(AttenuatorDiameters[d]) +
                        " mm with " + ThicknessList(thicknesses);
            }
        }
        return "Attenuator insertion loss: catalogue values for " + rows +
               " insulation; every other row is an estimate made from them: interpolated over "
               "the logarithm of the diameter, the thicker insulations' extra loss taken from "
               "250 mm and scaled by 250 mm over the diameter (the user guide's \"Estimated "
               "insertion loss\" gives the whole rule).";
    }();
    return source;
}

std::string ThicknessList(std::span<const double> thicknesses) {
    std::string text;
    for (std::size_t i = 0; i < thicknesses.size(); ++i) {
        const char* separator = i == 0 ? "" : i + 1 == thicknesses.size() ? " and " : ", ";
        text += separator + WholeNumber(thicknesses[i]);
    }
    return text.empty() ? text : text + " mm";
}

}  // namespace lorvane::forms
