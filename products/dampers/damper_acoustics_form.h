#pragma once

#include "forms/product_form.h"

namespace lorvane::dampers {

// Control ids of the acoustics and flow form.
namespace acoustics_ids {
inline constexpr forms::ControlId kWidth = 1084;
inline constexpr forms::ControlId kHeight = 1003;
inline constexpr forms::ControlId kVolumeFlow = 1001;
inline constexpr forms::ControlId kLinkageList = 102;
inline constexpr forms::ControlId kSealingList = 103;
inline constexpr forms::ControlId kDifferentialPressure = 1002;
inline constexpr forms::ControlId kTitle = 1169;
inline constexpr forms::ControlId kAreaLabel = 1131;
inline constexpr forms::ControlId kZetaLabel = 1133;
inline constexpr forms::ControlId kMaxZetaLabel = 1134;
inline constexpr forms::ControlId kArea = 1132;
inline constexpr forms::ControlId kVelocity = 1004;
inline constexpr forms::ControlId kBladeAngle = 1005;
inline constexpr forms::ControlId kZeta = 1017;
inline constexpr forms::ControlId kMaxZeta = 1018;
inline constexpr forms::ControlId kAeroTorque = 1015;
inline constexpr forms::ControlId kOctave = 1007;  // to 1014, 63 Hz to 8 kHz
inline constexpr forms::ControlId kSummationLevel = 1024;

// The fields of one column of the blade table.
struct BladeColumnIds {
    forms::ControlId maxTorque;
    forms::ControlId requiredTorque;
    forms::ControlId maxPressureDifference;
    forms::ControlId bending;
};
inline constexpr BladeColumnIds kBlades[] = {
    {1136, 1006, 1016, 1019},  // 100 mm
    {1137, 1020, 1021, 1022},  // 165 mm
};
}  // namespace acoustics_ids

// The acoustics and flow form of a multi-leaf damper in a duct: free area, velocity, resistance,
// blade angle, aerodynamic torque, octave sound power and the blade table for both blade sizes.
// Its inputs and the selections of its two lists live in DamperInputs; a pick in a list is
// stored at once, and the form opens with the stored picks.
class JKLorvane : public forms::ProductForm {
  public:
    explicit JKLorvane(const forms::FormContext& context);
    static const forms::FormSpec& Spec();
};

}  // namespace lorvane::dampers
