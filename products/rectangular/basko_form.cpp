#include "products/rectangular/basko_form.h"

#include "core/number_text.h"
#include "forms/band_layout.h"
#include "forms/input_layout.h"
#include "products/rectangular/rectangular_form.h"

namespace lorvane::rectangular {
namespace {

using forms::ResultRecord;
using forms::ValueSpec;

// The flag that answers NO to the correction question, as lorvane-calc and schedules name it.
constexpr std::string_view kKeepFlow = "keep-flow";

// The two ranges a size serves, each a Vmin and Vmax field.
struct RangeFields {
    std::string key;  // "theoreticalRange"
    std::string caption;
    ValueSpec vmin;
    ValueSpec vmax;
    // A range the size does not have: its fields without keys, and the range as a whole
    // under its own key, null in JSON.
    ValueSpec absentVmin;
    ValueSpec absentVmax;
    ValueSpec absent;
};

RangeFields RangeOf(const std::string& key, std::string caption, forms::ControlId vmin,
                    forms::ControlId vmax) {
    RangeFields range{.key = key,
                      .caption = std::move(caption),
                      .vmin = {key + ".vmin", "Vmin [m3/h]", "m3/h", "%5.0lf", vmin},
                      .vmax = {key + ".vmax", "Vmax [m3/h]", "m3/h", "%5.0lf", vmax}};
    range.absentVmin = range.vmin;
    range.absentVmax = range.vmax;
    range.absentVmin.key.clear();
    range.absentVmax.key.clear();
    range.absent = {.key = range.key, .label = range.caption};
    return range;
}

const RangeFields& Theoretical() {
    static const RangeFields range =
        RangeOf("theoreticalRange", "theoretically", ids::kVmin, ids::kVmax);
    return range;
}

const RangeFields& ExistingScales() {
    static const RangeFields range =
        RangeOf("scaleRange", "with existing scales", ids::kScaleVmin, ids::kScaleVmax);
    return range;
}

const RectResults& BaskoResultSpecs() {
    static const RectResults results = RectResultsOf(ids::kBaskoSummationLevel);
    return results;
}

void AddRangeRow(forms::FormDescription& form, int row, const RangeFields& range) {
    forms::AddResultField(form, {row, 0}, range.vmin.label + ":", range.vmin.field, {row, 1, 2});
    forms::AddResultField(form, {row, 3, 2}, range.vmax.label + ":", range.vmax.field, {row, 5});
    forms::AddLabel(form, {row, 6, kRectColumnCount - 6}, range.caption);
}

forms::FormDescription DescribeBaskoForm() {
    const RectResults& r = BaskoResultSpecs();
    forms::FormDescription form = DescribeInputs(
        "Basko", ids::kBaskoTitle,
        "Sound power level of the rectangular constant volume flow controller Basko", r);
    AddRangeRow(form, 6, Theoretical());
    AddRangeRow(form, 7, ExistingScales());
    // One sentence a line, so that the note does not widen the table of bands.
    forms::AddLabel(form, {8, 0, kRectColumnCount},
                    "The given range of volume flow will be calculated according to more than "
                    "one scale.");
    forms::AddLabel(form, {9, 0, kRectColumnCount},
                    "The mimimum and maximum values cannot be realized for all the dimensions. ");
    AddBandTable(form, 11, r);
    return form;
}

void NotComputedRange(ResultRecord& record, const RangeFields& range) {
    record.NotComputed(range.vmin);
    record.NotComputed(range.vmax);
}

// A range the size does not have: empty fields, null in JSON.
void AddAbsentRange(ResultRecord& record, const RangeFields& range) {
    record.Add(range.absentVmin, std::nullopt);
    record.Add(range.absentVmax, std::nullopt);
    record.Add(range.absent, std::nullopt);
}

void AddRange(ResultRecord& record, const RangeFields& range,
              const std::optional<VolumeFlowRange>& values) {
    if (!values) {
        AddAbsentRange(record, range);
        return;
    }
    record.Add(range.vmin, values->vmin);
    record.Add(range.vmax, values->vmax);
}

const char* InputName(BaskoInput input) {
    switch (input) {
        case BaskoInput::Width:
            return "width";
        case BaskoInput::Height:
        case BaskoInput::Dimensions:
            return "height";
        case BaskoInput::VolumeFlow:
            return "flow";
        case BaskoInput::DifferentialPressure:
            return "dp";
    }
    return "";
}

// "864 to 2880 m3/h": the size's theoretical range in whole m3/h, as its fields show it.
std::string RangeText(const BaskoOutcome& outcome) {
    const VolumeFlowRange& range = *outcome.ranges->theoretical;
    return FormatNumber("%.0lf", range.vmin) + " to " + FormatNumber("%.0lf", range.vmax) + " m3/h";
}

forms::Refusal RefusalOf(const BaskoOutcome& outcome, const BaskoEntry& entry) {
    const BaskoInput input = *outcome.refused;
    if (!outcome.message.empty()) {
        return {InputName(input), std::string(outcome.message)};
    }
    // The press ended after the correction question, without a word on the form; lorvane-calc
    // and a schedule say what calculates the flow as it is.
    if (!ReadNumber(entry.volumeFlow)) {
        return {.input = InputName(input),
                .message = "Please correct volume flow",
                .shownOnForm = false};
    }
    return {.input = InputName(input),
            .message = "The volume flow lies outside " + RangeText(outcome) + "; set " +
                       std::string(kKeepFlow) + " to calculate it anyway",
            .shownOnForm = false};
}

// The sizes whose form takes the volume flow without the correction question.
std::vector<forms::InputTexts> BaskoSizesServing(double volumeFlow) {
    std::vector<forms::InputTexts> sizes;
    for (const BaskoSize& size : BaskoSizes()) {
        const std::optional<VolumeFlowRange> theoretical =
            TheoreticalRange(size.width, size.height);
        if (theoretical && TakesFlow(*theoretical, size.width, size.height, volumeFlow)) {
            sizes.push_back(SizeTexts(size.width, size.height));
        }
    }
    return sizes;
}

forms::FormSpec MakeBaskoSpec() {
    std::vector<forms::Option> options = SizeAndFlowOptions("100 to 600");
    options.push_back({.name = std::string(kKeepFlow),
                       .help = "go on with a volume flow outside the size's range, as answering "
                               "NO to the correction question does",
                       .question = std::string(kBaskoCorrectionQuestion),
                       .answerWhenGiven = false});
    return {
        .description = DescribeBaskoForm(),
        .options = std::move(options),
        .initialTexts = [](SharedState& state) { return InitialInputTexts(state); },
        .evaluate =
            [](SharedState& state, const forms::InputTexts& texts, const forms::Ask& ask) {
                using forms::TextOf;
                const BaskoEntry entry{TextOf(texts, "width"), TextOf(texts, "height"),
                                       TextOf(texts, "flow"), TextOf(texts, "dp")};
                const BaskoAsk askOverRanges = [&](std::string_view question,
                                                   const BaskoOutcome& soFar) {
                    return ask(question, BaskoRecord(soFar, entry));
                };
                return BaskoRecord(EvaluateBasko(state, entry, askOverRanges), entry);
            },
        .candidateSizes = BaskoSizesServing,
    };
}

}  // namespace

ResultRecord BaskoRecord(const BaskoOutcome& outcome, const BaskoEntry& entry) {
    using enum ResultGroup;
    const RectResults& r = BaskoResultSpecs();
    ResultRecord record;
    if (outcome.emptied.contains(Range)) {
        NotComputedRange(record, Theoretical());
        NotComputedRange(record, ExistingScales());
    }
    if (outcome.emptied.contains(Flow)) {
        NotComputedFlow(record, r);
    }
    if (outcome.emptied.contains(Acoustic)) {
        NotComputedAcoustic(record, r);
    }

    if (outcome.ranges) {
        AddRange(record, Theoretical(), outcome.ranges->theoretical);
        AddRange(record, ExistingScales(), outcome.ranges->existingScales);
        if (!outcome.ranges->existingScales) {
            record.AddNote("This size has no existing scales");
        }
        if (outcome.keptOutsideRange) {
            record.AddNote("The volume flow lies outside the range of this size, " +
                           RangeText(outcome));
        }
    } else if (outcome.refused == BaskoInput::Dimensions) {
        AddAbsentRange(record, Theoretical());
        AddAbsentRange(record, ExistingScales());
    }

    if (outcome.refused) {
        record.Refuse(RefusalOf(outcome, entry));
        return record;
    }
    if (!outcome.result) {
        return record;  // the press waits for the answer to the correction question
    }
    const BaskoResult& result = *outcome.result;
    AddFlow(record, r, result.velocity, result.minimumPressure, result.accepted);
    if (!outcome.pressureAccepted) {
        record.Refuse({"dp", std::string(outcome.message)});
        return record;
    }
    AddSpectrum(record, r, *result.spectrum);
    return record;
}

const forms::FormSpec& Basko::Spec() {
    static const forms::FormSpec spec = MakeBaskoSpec();
    return spec;
}

Basko::Basko(const forms::FormContext& context) : ProductForm(Spec(), context) {}

}  // namespace lorvane::rectangular
