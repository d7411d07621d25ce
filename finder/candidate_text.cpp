#include "finder/candidate_text.h"

#include <cmath>
#include <set>

#include "core/attenuator_table.h"
#include "core/number_text.h"
#include "forms/band_layout.h"

namespace lorvane::finder {
namespace {

constexpr std::string_view kEstimated = "estimated";
constexpr std::string_view kEstimatedNote =
    "The insertion loss of the attenuator is an estimate, not a catalogue value.";

}  // namespace

std::string LevelText(const std::optional<double>& level) {
    return level && std::isfinite(*level) ? FormatNumber("%.0lf", *level) : "";
}

std::string SizeText(const Size& size) {
    if (size.diameter) {
        return WholeNumber(*size.diameter);
    }
    return WholeNumber(size.width) + " x " + WholeNumber(size.height);
}

std::string AttenuatorText(const Candidate& candidate) {
    switch (candidate.attenuatorNeed) {
        case AttenuatorNeed::None:
            return {};
        case AttenuatorNeed::Selected:
            return forms::InsulationKey(InsulationThicknesses[candidate.attenuator->insulation]) +
                   " " + std::string(AttenuatorLengths[candidate.attenuator->length].text);
        case AttenuatorNeed::NoneReaches:
            return "none reaches";
        case AttenuatorNeed::NoValues:
            return "no values";
        case AttenuatorNeed::NotOffered:
            return "none offered";
    }
    return {};
}

std::string AttenuatorCell(const Candidate& candidate) {
    std::string text = AttenuatorText(candidate);
    if (candidate.attenuator) {
        text += ", " + LevelText(candidate.attenuator->summationLevel) + " dB(A)";
        if (candidate.attenuator->estimated) {
            text += ", " + std::string(kEstimated);
        }
    }
    return text.empty() ? "-" : text;
}

std::string_view AttenuatorNote(AttenuatorNeed need) {
    switch (need) {
        case AttenuatorNeed::None:
        case AttenuatorNeed::Selected:
            return {};
        case AttenuatorNeed::NoneReaches:
            return "Even the longest attenuator of every insulation thickness stays above the "
                   "target.";
        case AttenuatorNeed::NoValues:
            return "The attenuator table has no values for this diameter.";
        case AttenuatorNeed::NotOffered:
            return "The range's attenuators are for circular ducts only.";
    }
    return {};
}

std::vector<std::string> CandidateNotes(const Candidate& candidate) {
    std::vector<std::string> notes;
    if (const std::string_view note = AttenuatorNote(candidate.attenuatorNeed); !note.empty()) {
        notes.emplace_back(note);
    }
    if (candidate.attenuator && candidate.attenuator->estimated) {
        notes.emplace_back(kEstimatedNote);
    }
    if (candidate.room && candidate.room->attenuatorOutcome == room::AttenuatorOutcome::NoneFound) {
        notes.emplace_back("No attenuator of the table makes the room meet its target.");
    }
    return notes;
}

std::vector<std::string> TableNotes(const std::vector<Candidate>& candidates) {
    std::set<AttenuatorNeed> needs;
    bool estimated = false;
    for (const Candidate& candidate : candidates) {
        needs.insert(candidate.attenuatorNeed);
        estimated = estimated || (candidate.attenuator && candidate.attenuator->estimated);
    }
    std::vector<std::string> notes;
    const auto add = [&notes](std::string_view word, std::string_view note) {
        notes.push_back("Attenuator \"" + std::string(word) + "\": " + std::string(note));
    };
    if (estimated) {
        add(kEstimated, kEstimatedNote);
    }
    for (const AttenuatorNeed need : needs) {
        if (const std::string_view note = AttenuatorNote(need); !note.empty()) {
            add(AttenuatorText({.attenuatorNeed = need}), note);
        }
    }
    return notes;
}

std::string DutyPointText(const DutyPoint& duty) {
    return ExactText(duty.volumeFlow) + " m3/h at " + ExactText(duty.differentialPressure) + " Pa";
}

std::string NothingFits(const DutyPoint& duty) {
    const bool limited = duty.maxWidth || duty.maxHeight || duty.maxDiameter;
    return "No controller fits " + DutyPointText(duty) +
           (limited ? " within the given sizes" : "") + ".";
}

}  // namespace lorvane::finder
