#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/shared_state.h"
#include "products/dampers/blade_bending.h"
#include "products/dampers/damper_acoustics.h"
#include "products/dampers/damper_inputs.h"
#include "products/dampers/damper_leakage.h"
#include "products/dampers/damper_torque.h"

// What "calculate" does in each of the four damper forms, free of any view: read the texts in
// the form's order, store each accepted value at once in its record, calculate, and say what
// came of it. The acoustics form and the bending form keep their values in DamperInputs (the
// bending form's pressure in ProductInputs); the leakage and torque forms keep theirs in
// ProductInputs.
namespace lorvane::dampers {

enum class DamperInput { Width, Height, VolumeFlow, DifferentialPressure, BladeLength };

// The first input of a press that was out of range (or held no number), with the range it must
// lie in, both bounds inclusive.
struct DamperRefusal {
    DamperInput input;
    double low;
    double high;
};

// The message for a refused input: "Please correct the width (100 to 2000 mm)".
std::string RefusalMessage(const DamperRefusal& refusal);

template <typename Result>
struct DamperOutcome {
    std::optional<DamperRefusal> refused;  // nothing was calculated
    std::optional<Result> result;          // once every input passed
    std::vector<std::string> notes;        // lines shown beside the result
};

// The message a form shows for an outcome; empty when there is nothing to report.
template <typename Result>
std::string OutcomeMessage(const DamperOutcome<Result>& outcome) {
    return outcome.refused ? RefusalMessage(*outcome.refused) : std::string();
}

// Notes beside a result.
inline constexpr std::string_view kBelowOpenResistanceNote =
    "The resistance is below that of the fully open damper: no blade angle";
inline constexpr std::string_view kAboveClosedResistanceNote =
    "The resistance is above that of the closed damper: no blade angle";
inline constexpr std::string_view kOutsideSoundModelNote =
    "The operating point lies outside the range of the sound model";
// "No 165 mm blade fits a height below 145 mm"
std::string NoBladeNote(int pitch);

// --- Acoustics and flow ---

// The entries of the form's two lists, in their order.
inline constexpr std::array<std::string_view, 2> LinkageEntries{"opposite direction",
                                                                "same direction"};
inline constexpr std::array<std::string_view, 3> SealingEntries{"standard", "hollow profile",
                                                                "airtight"};

// A list selection is stored at once, without a calculation. False, and nothing stored, for an
// entry the list does not have.
bool SelectDamperLinkage(SharedState& state, int entry);
bool SelectDamperSealing(SharedState& state, int entry);

struct DamperAcousticsEntry {
    std::string width;
    std::string height;
    std::string volumeFlow;
    std::string differentialPressure;
};
using DamperAcousticsOutcome = DamperOutcome<DamperAcousticsResult>;

// The texts the form opens with.
DamperAcousticsEntry DamperAcousticsStartEntry(SharedState& state);

// Width, height, volume flow and pressure into DamperInputs; blade linkage and sealing from its
// stored list selections.
DamperAcousticsOutcome EvaluateDamperAcoustics(SharedState& state,
                                               const DamperAcousticsEntry& texts);

// --- Blade bending ---

struct BladeBendingEntry {
    std::string length;
    std::string differentialPressure;
};
using BladeBendingOutcome = DamperOutcome<BladeBendingResult>;

BladeBendingEntry BladeBendingStartEntry(SharedState& state);

// The length into DamperInputs.bendingLength, the pressure into ProductInputs (up to its
// 10000 Pa); a calculation also copies the length into DamperInputs.width and the pressure into
// DamperInputs.differentialPressure, so the acoustics form opens with them.
BladeBendingOutcome EvaluateBladeBending(SharedState& state, const BladeBendingEntry& texts);

// --- Leakage, torque and weight ---

struct DamperSizeEntry {
    std::string width;
    std::string height;
    std::string differentialPressure;
};
using DamperLeakageEntry = DamperSizeEntry;
using DamperTorqueEntry = DamperSizeEntry;
using DamperLeakageOutcome = DamperOutcome<DamperLeakageResult>;
using DamperTorqueOutcome = DamperOutcome<DamperTorqueResult>;

// The texts the leakage and torque forms open with, from ProductInputs.
DamperSizeEntry DamperSizeStartEntry(const SharedState& state);

// The fixed note below the leakage table.
inline constexpr std::string_view kLeakagePmaxNote =
    "Pmax in consideration of the maximum permissable bending of 3 mm for the standard version "
    "and of 1,5 mm for all other versions";

// Width, height and pressure into ProductInputs; a calculation also sets DamperInputs.width.
DamperLeakageOutcome EvaluateDamperLeakage(SharedState& state, const DamperLeakageEntry& texts);

// Width, height and pressure into ProductInputs; DamperInputs stays as it is.
DamperTorqueOutcome EvaluateDamperTorque(SharedState& state, const DamperTorqueEntry& texts);

}  // namespace lorvane::dampers
