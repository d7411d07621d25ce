#include "finder/candidate_record.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "core/attenuator_table.h"
#include "forms/band_layout.h"

namespace lorvane::finder {
namespace {

// The keys of the results the finder reads.
constexpr std::string_view kVelocityKey = "velocity";
constexpr std::string_view kMinimumPressureKey = "minimumPressure";
constexpr std::string_view kSummationLevelKey = "summationLevel";
constexpr std::string_view kBareCasingKey = "casing.none.summationLevel";
// Present in the record of every product whose form chooses attenuators, whatever it chose.
constexpr std::string_view kAttenuatorOutcomeKey = "attenuator.outcome";

// The keys of the attenuator row of one insulation: its levels and its length.
struct AttenuatorRowKeys {
    std::string levels;
    std::string length;
};

const std::array<AttenuatorRowKeys, kInsulationCount>& AttenuatorKeys() {
    static const std::array<AttenuatorRowKeys, kInsulationCount> keys = [] {
        std::array<AttenuatorRowKeys, kInsulationCount> made;
        for (int t = 0; t < kInsulationCount; ++t) {
            const std::string row =
                "attenuator.rows." + forms::InsulationKey(InsulationThicknesses[t]);
            made[t] = {row + ".levels", row + ".length"};
        }
        return made;
    }();
    return keys;
}

// The position of a length text in AttenuatorLengths.
std::optional<int> LengthPosition(std::string_view text) {
    const auto it = std::find_if(AttenuatorLengths.begin(), AttenuatorLengths.end(),
                                 [&](const AttenuatorLengthEntry& e) { return e.text == text; });
    if (it == AttenuatorLengths.end()) {
        return std::nullopt;
    }
    return static_cast<int>(it - AttenuatorLengths.begin());
}

// The attenuator row of one insulation, when the record has it whole.
std::optional<AttenuatorChoice> AttenuatorRowOf(const forms::ResultRecord& record, int insulation) {
    const AttenuatorRowKeys& keys = AttenuatorKeys()[insulation];
    const forms::BandRow* row = record.FindBands(keys.levels);
    const forms::ResultValue* length = record.FindValue(keys.length);
    if (row == nullptr || !row->summation || length == nullptr) {
        return std::nullopt;
    }
    const auto* text = std::get_if<std::string>(&length->value);
    const std::optional<int> position = text ? LengthPosition(*text) : std::nullopt;
    if (!position) {
        return std::nullopt;
    }
    return AttenuatorChoice{.insulation = insulation,
                            .length = *position,
                            .summationLevel = *row->summation,
                            .estimated = row->caveat.starts_with(forms::kEstimatedInsertionLoss)};
}

using AttenuatorRows = std::array<std::optional<AttenuatorChoice>, kInsulationCount>;

AttenuatorRows AttenuatorRowsOf(const forms::ResultRecord& record) {
    AttenuatorRows rows;
    for (int t = 0; t < kInsulationCount; ++t) {
        rows[t] = AttenuatorRowOf(record, t);
    }
    return rows;
}

std::optional<AttenuatorChoice> ShortestOf(const AttenuatorRows& rows, double target) {
    std::optional<AttenuatorChoice> shortest;
    for (const std::optional<AttenuatorChoice>& row : rows) {
        if (!row || !MeetsTarget(target, row->summationLevel)) {
            continue;
        }
        if (!shortest || row->length < shortest->length) {
            shortest = row;
        }
    }
    return shortest;
}

// What an attenuator does for a controller above the target: the shortest that meets it, or
// why there is none.
void ChooseAttenuator(const forms::ResultRecord& record, double target, Candidate& candidate) {
    const AttenuatorRows rows = AttenuatorRowsOf(record);
    candidate.attenuator = ShortestOf(rows, target);
    candidate.meetsTarget = candidate.attenuator.has_value();
    if (candidate.attenuator) {
        candidate.attenuatorNeed = AttenuatorNeed::Selected;
    } else if (std::any_of(rows.begin(), rows.end(),
                           [](const auto& row) { return row.has_value(); })) {
        candidate.attenuatorNeed = AttenuatorNeed::NoneReaches;
    } else if (record.FindValue(kAttenuatorOutcomeKey) != nullptr) {
        // The form chooses attenuators, but has none for this size.
        candidate.attenuatorNeed = AttenuatorNeed::NoValues;
    } else {
        candidate.attenuatorNeed = AttenuatorNeed::NotOffered;
    }
}

bool Finite(const forms::Number& number) {
    return number && std::isfinite(*number);
}

}  // namespace

std::optional<AttenuatorChoice> ShortestMeeting(const forms::ResultRecord& record, double target) {
    return ShortestOf(AttenuatorRowsOf(record), target);
}

bool ReadRecord(const forms::ResultRecord& record, const std::optional<double>& target,
                Candidate& candidate) {
    const forms::Number velocity = record.NumberAt(kVelocityKey);
    const forms::Number minimumPressure = record.NumberAt(kMinimumPressureKey);
    const forms::Number summationLevel = record.NumberAt(kSummationLevelKey);
    if (!Finite(velocity) || !Finite(minimumPressure) || !Finite(summationLevel)) {
        return false;
    }
    candidate.velocity = *velocity;
    candidate.minimumPressure = *minimumPressure;
    candidate.summationLevel = *summationLevel;
    candidate.casingSummationLevel = record.NumberAt(kBareCasingKey);
    if (target && !MeetsTarget(*target, candidate.summationLevel)) {
        ChooseAttenuator(record, *target, candidate);
    }
    return true;
}

}  // namespace lorvane::finder
