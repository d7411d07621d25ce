#pragma once

#include "forms/product_form.h"

namespace lorvane::dampers {

// Control ids of the leakage form.
namespace leakage_ids {
inline constexpr forms::ControlId kWidth = 1084;
inline constexpr forms::ControlId kHeight = 1003;
inline constexpr forms::ControlId kDifferentialPressure = 1002;
inline constexpr forms::ControlId kTitle = 1170;

// The leakage and Pmax fields of one construction, for the 100 mm and the 165 mm blade.
struct LeakageRowIds {
    forms::ControlId leakage[2];
    forms::ControlId pmax[2];
};
// Airtight, standard, lip sealing, lip and stop bead sealing, hollow profile sealing and stop
// angle: the rows of the form, top to bottom.
inline constexpr LeakageRowIds kRows[] = {
    {{1135, 1136}, {1133, 1137}}, {{1138, 1140}, {1139, 1141}}, {{1142, 1144}, {1143, 1145}},
    {{1146, 1148}, {1147, 1149}}, {{1150, 1152}, {1151, 1153}},
};
}  // namespace leakage_ids

// The leakage form: the air a closed damper lets through, with the largest pressure its blades
// take, for five constructions and both blade sizes. Its inputs live in ProductInputs; a
// calculation hands its width to the acoustics form.
class JKLeck : public forms::ProductForm {
  public:
    explicit JKLeck(const forms::FormContext& context);
    static const forms::FormSpec& Spec();
};

}  // namespace lorvane::dampers
