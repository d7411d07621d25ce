#pragma once

#include "forms/product_form.h"
#include "products/rectangular/quenta_evaluation.h"

namespace lorvane::rectangular {

// Control ids of the Quenta form beside those both rectangular forms share.
namespace ids {
inline constexpr forms::ControlId kNominalSize = 1000;
inline constexpr forms::ControlId kTorqueStandard = 1006;
inline constexpr forms::ControlId kTorqueHollowProfile = 1015;
inline constexpr forms::ControlId kTorqueAirtight = 1016;
inline constexpr forms::ControlId kNozzleCount = 1020;
inline constexpr forms::ControlId kCFactor = 1021;
inline constexpr forms::ControlId kQuentaSummationLevel = 1121;
inline constexpr forms::ControlId kQuentaTitle = 1167;
}  // namespace ids

// The note beside the zeros of a size that no nozzle arrangement fits.
inline constexpr std::string_view kNoNozzlesNote = "No nozzle arrangement fits this size";

// What a Quenta "calculate" came to, as one record: the groups a refusal empties are emptied
// before whatever the press still shows is written. A size that no nozzle arrangement fits
// shows zeros, "found": false in JSON, and a note.
forms::ResultRecord QuentaRecord(const QuentaOutcome& outcome);

// The Quenta form: nozzles, velocity, minimum pressure, sound power and the torques of the
// rectangular electronically regulated volume flow controller.
class Quenta : public forms::ProductForm {
  public:
    explicit Quenta(const forms::FormContext& context);
    static const forms::FormSpec& Spec();
};

}  // namespace lorvane::rectangular
