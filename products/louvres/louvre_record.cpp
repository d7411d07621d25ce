#include "products/louvres/louvre_record.h"

#include <string>

#include "core/nc_rating.h"
#include "core/number_text.h"
#include "forms/nc_curves.h"

namespace lorvane::louvres {
namespace {

using forms::ResultRecord;

// Empties the fields of a group: the press did not reach them.
void NotComputed(ResultRecord& record, const LouvreResults& r, LouvreFieldGroup group) {
    switch (group) {
        case LouvreFieldGroup::Flow:
            for (const forms::ValueSpec* spec :
                 {&r.faceArea, &r.velocity, &r.pressureLoss, &r.zeta, &r.waterSeparation}) {
                record.NotComputed(*spec);
            }
            return;
        case LouvreFieldGroup::SoundPower:
            record.NotComputed(r.thirdOctave);
            record.NotComputed(r.octave);
            record.NotComputed(r.summationLevel);
            return;
        case LouvreFieldGroup::Nc:
            record.NotComputed(r.nc);
            record.NotComputed(r.ncBelowLowestCurve);
            return;
    }
}

std::string OptionOf(LouvreInput input) {
    switch (input) {
        case LouvreInput::Width:
            return "width";
        case LouvreInput::Height:
            return "height";
        case LouvreInput::VolumeFlow:
            return "flow";
    }
    return {};
}

void AddNc(ResultRecord& record, const LouvreResults& r, const std::optional<double>& nc) {
    record.AddFlag(r.ncBelowLowestCurve, !nc.has_value());
    forms::AddBracketingNcCurves(record, nc);
    if (nc) {
        record.Add(r.nc, *nc);
        return;
    }
    record.AddShownAs(r.nc, 0.0, std::string(kBelowLowestCurve));
    record.AddNote(
        "No octave band reaches the NC 10 curve: the NC rating is below 10, not a rating of 0.");
}

}  // namespace

const LouvreResults& LouvreResultSpecs() {
    static const LouvreResults results{
        .faceArea = {"faceArea", "Area [m²]", "m²", "%5.3lf", ids::kFaceArea},
        .velocity = {"velocity", "Velocity [m/s]", "m/s", "%5.1lf", ids::kVelocity},
        .pressureLoss = {"pressureLoss", "Pressure loss [Pa]", "Pa", "%5.1lf", ids::kPressureLoss},
        .zeta = {"zeta", "Resistance Zeta-value", "", "%5.1lf", ids::kZeta},
        .waterSeparation = {"waterSeparation", "Water separator degree [%]", "%", "%5.1lf",
                            ids::kWaterSeparation},
        .thirdOctave = {.label = "Sound power level, third octaves [dB]",
                        .unit = "dB",
                        .format = "%5.0lf",
                        .frequencies = ThirdOctaveBands},
        .octave = {.key = "octave",
                   .label = "Sound power level [dB]",
                   .unit = "dB",
                   .format = "%5.0lf",
                   .frequencies = OctaveBands,
                   .firstField = ids::kOctave},
        .summationLevel = {"summationLevel", "Summation Level  [dB(A)]", "dB(A)", "%5.0lf",
                           ids::kSummationLevel},
        .nc = {"nc", "NC  [dB]", "dB", "%5.0lf", ids::kNc},
        .ncBelowLowestCurve = {"ncBelowLowestCurve", "No band reaches the NC 10 curve"},
    };
    return results;
}

ResultRecord LouvreRecord(const LouvreOutcome& outcome) {
    const LouvreResults& r = LouvreResultSpecs();
    ResultRecord record;
    if (outcome.refused) {
        for (LouvreFieldGroup group : outcome.emptied) {
            NotComputed(record, r, group);
        }
        record.Refuse({.input = OptionOf(*outcome.refused),
                       .message = std::string(OutcomeMessage(outcome)),
                       .shownOnForm = true});
        return record;
    }
    const LouvreResult& result = *outcome.result;
    record.Add(r.faceArea, result.faceArea);
    record.Add(r.velocity, result.velocity);
    record.Add(r.pressureLoss, result.pressureLoss);
    record.Add(r.zeta, result.zeta);
    record.Add(r.waterSeparation, result.waterSeparation);
    record.AddBands(r.thirdOctave, result.thirdOctave);
    record.AddBands(r.octave, result.octave);
    record.Add(r.summationLevel, result.summationLevel);
    AddNc(record, r, result.nc);
    return record;
}

}  // namespace lorvane::louvres
