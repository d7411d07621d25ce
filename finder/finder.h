#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/attenuator_selection.h"
#include "finder/duty_point.h"
#include "forms/product_form.h"

namespace lorvane::finder {

// The size of a controller: a diameter, or a width and a height.
struct Size {
    std::optional<double> diameter;  // mm, circular controllers
    double width = 0;                // mm, rectangular controllers
    double height = 0;               // mm, rectangular controllers

    // The cross-section in mm2: pi d^2 / 4, or W H.
    double Area() const;
};

// What an attenuator does for a controller that is above the target on its own.
enum class AttenuatorNeed {
    None,         // no target, or the controller alone meets it
    Selected,     // an attenuator brings the level down to the target
    NoneReaches,  // even the longest attenuator of every insulation stays above the target
    NoValues,     // the attenuator table has no values for this diameter
    NotOffered,   // a rectangular controller: the range's attenuators are circular
};

// The attenuator chosen behind a circular controller.
struct AttenuatorChoice {
    int insulation = 0;         // position in InsulationThicknesses
    int length = 0;             // position in AttenuatorLengths
    double summationLevel = 0;  // dB(A) behind the attenuator
    bool estimated = false;     // its insertion loss is an estimate, not a catalogue value
};

// One size of one controller that serves the duty point.
struct Candidate {
    std::string_view product;  // the catalogue word: "selmon"
    Size size;
    double velocity = 0;         // m/s
    double minimumPressure = 0;  // Pa
    double summationLevel = 0;   // dB(A), air-regenerated noise in the duct
    // dB(A), noise radiated by the bare casing; absent where the casing tables have no class
    std::optional<double> casingSummationLevel;
    bool meetsTarget = true;  // alone or with its attenuator
    AttenuatorNeed attenuatorNeed = AttenuatorNeed::None;
    std::optional<AttenuatorChoice> attenuator;  // when the need is Selected
};

// Whether a level meets a target as the attenuator selection tests it: both rounded to whole
// numbers, halves away from zero, the target at least the level.
bool MeetsTarget(double target, double level);

// Of the attenuators a selection chose per insulation, the shortest that meets the target; the
// thinner insulation on equal lengths. Absent when none does or nothing was selected.
std::optional<AttenuatorChoice> ShortestMeeting(const AttenuatorSelection& selection,
                                                double target);

// Every size of every controller whose own form would calculate the duty point without a
// refusal and without a question: those that meet the target first, then the smaller
// cross-section, then the lower summation level. Sizes outside a product's tables are never
// listed.
std::vector<Candidate> FindCandidates(const DutyPoint& dutyPoint);

// The texts to type into a candidate's form, by option name: its size, the duty point and the
// target (0 when there is none). Every number reads back to the value the finder used.
forms::InputTexts FormTexts(const Candidate& candidate, const DutyPoint& dutyPoint);

// The shortest text that reads back to the same double: "800", "0.1", "123.45678901234567";
// with an exponent only for the very large and small ("1e+30").
std::string ExactText(double value);

}  // namespace lorvane::finder
