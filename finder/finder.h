#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "finder/duty_point.h"
#include "forms/product_form.h"

namespace lorvane::finder {

// The size of a controller as its size options give it: a diameter, or a width and a height.
struct Size {
    std::optional<double> diameter;  // mm, from the "diameter" option
    double width = 0;                // mm, from the "width" option
    double height = 0;               // mm, from the "height" option

    // The cross-section in mm2: pi d^2 / 4, or W H.
    double Area() const;
};

// The size the texts of a product's size options give.
Size SizeOf(const forms::InputTexts& sizeTexts);

// What an attenuator does for a controller that is above the target on its own.
enum class AttenuatorNeed {
    None,         // no target, or the controller alone meets it
    Selected,     // an attenuator brings the level down to the target
    NoneReaches,  // even the longest attenuator of every insulation stays above the target
    NoValues,     // the attenuator table has no values for this size
    NotOffered,   // the product's form offers no attenuator (the range's are circular)
};

// The attenuator chosen behind a controller, from the rows of its record.
struct AttenuatorChoice {
    int insulation = 0;         // position in InsulationThicknesses
    int length = 0;             // position in AttenuatorLengths
    double summationLevel = 0;  // dB(A) behind the attenuator
    bool estimated = false;     // its insertion loss is an estimate, not a catalogue value
};

// The room a controller serves, as the search's room options describe it.
struct RoomFit {
    room::RoomRating rating;            // of the levels at the listener, without an attenuator
    std::optional<bool> targetReached;  // with a room target
    room::AttenuatorOutcome attenuatorOutcome = room::AttenuatorOutcome::NotAsked;
    std::optional<room::RoomAttenuator> attenuator;  // chosen for the room
    // Whether the room meets its target, as it is or with the attenuator; true without one.
    bool Meets() const { return targetReached.value_or(true) || attenuator.has_value(); }
};

// One size of one controller that serves the duty point.
struct Candidate {
    std::string_view product;     // the catalogue word: "selmon"
    std::string_view name;        // the product's name as its menu shows it: "Selmon"
    forms::InputTexts sizeTexts;  // the texts of its size options, as the product gave them
    Size size;
    double velocity = 0;         // m/s
    double minimumPressure = 0;  // Pa
    double summationLevel = 0;   // dB(A), air-regenerated noise in the duct
    // dB(A), noise radiated by the bare casing; absent where the product's model gives none
    std::optional<double> casingSummationLevel;
    // Alone or with its attenuator; with a room, its room meets the room target too.
    bool meetsTarget = true;
    AttenuatorNeed attenuatorNeed = AttenuatorNeed::None;
    std::optional<AttenuatorChoice> attenuator;  // when the need is Selected
    std::optional<RoomFit> room;                 // when the search has a room
};

// Whether a level meets a target as the attenuator selection tests it: both rounded to whole
// numbers, halves away from zero, the target at least the level.
bool MeetsTarget(double target, double level);

// Every size of every product in the catalogue that brings candidate sizes, where the product's
// own evaluation calculates the duty point without a refusal and without a question: those that
// meet the target first, then the smaller cross-section, then the lower summation level, then
// by product name; sizes of one product that tie keep the product's order.
std::vector<Candidate> FindCandidates(const DutyPoint& dutyPoint);

// The texts to type into a candidate's form, by option name: its size, the duty point and,
// where the form has a target option, the target (0 when there is none). Every number reads
// back to the value the finder used; they are the texts its evaluation was given.
forms::InputTexts FormTexts(const Candidate& candidate, const DutyPoint& dutyPoint);

// The shortest text that reads back to the same double: "800", "0.1", "123.45678901234567";
// with an exponent only for the very large and small ("1e+30").
std::string ExactText(double value);

}  // namespace lorvane::finder
