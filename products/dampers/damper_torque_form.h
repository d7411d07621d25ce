#pragma once

#include "forms/product_form.h"

namespace lorvane::dampers {

// Control ids of the torque and weight form.
namespace torque_ids {
inline constexpr forms::ControlId kWidth = 1084;
inline constexpr forms::ControlId kHeight = 1003;
inline constexpr forms::ControlId kDifferentialPressure = 1002;
inline constexpr forms::ControlId kTitle = 1172;

// The fields of one blade size, top to bottom.
struct TorqueColumnIds {
    forms::ControlId standard;
    forms::ControlId hollowProfile;
    forms::ControlId classTwo;
    forms::ControlId airtight;
    forms::ControlId weight;
};
inline constexpr TorqueColumnIds kBlades[] = {
    {1137, 1139, 1140, 1144, 1146},  // 100 mm
    {1141, 1142, 1143, 1145, 1147},  // 165 mm
};
}  // namespace torque_ids

// The torque form: the torque to operate a damper of four constructions and its weight, for
// both blade sizes. Its inputs live in ProductInputs. A column without a blade (a height below
// 145 mm holds no 165 mm blade) stays empty, with a note.
class JKMoment : public forms::ProductForm {
  public:
    explicit JKMoment(const forms::FormContext& context);
    static const forms::FormSpec& Spec();
};

}  // namespace lorvane::dampers
