#pragma once

#include "forms/product_form.h"

namespace lorvane::dampers {

// Control ids of the blade bending form.
namespace bending_ids {
inline constexpr forms::ControlId kLength = 1001;
inline constexpr forms::ControlId kDifferentialPressure = 1002;
inline constexpr forms::ControlId kTitle = 1171;
// Standard and reinforced bending of the 100 mm and the 165 mm blade.
inline constexpr forms::ControlId kStandard[] = {1135, 1136};
inline constexpr forms::ControlId kReinforced[] = {1138, 1140};
}  // namespace bending_ids

// The bending form: how far the 100 mm and 165 mm blades bend, standard and reinforced, for a
// blade length and a differential pressure. A calculation hands its length and pressure to the
// acoustics form as that form's width and pressure.
class JKDurch : public forms::ProductForm {
  public:
    explicit JKDurch(const forms::FormContext& context);
    static const forms::FormSpec& Spec();
};

}  // namespace lorvane::dampers
