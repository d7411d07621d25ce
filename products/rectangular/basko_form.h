#pragma once

#include "forms/product_form.h"
#include "products/rectangular/basko_evaluation.h"

namespace lorvane::rectangular {

// Control ids of the Basko form beside those both rectangular forms share.
namespace ids {
inline constexpr forms::ControlId kBaskoSummationLevel = 1024;
inline constexpr forms::ControlId kScaleVmin = 1019;
inline constexpr forms::ControlId kScaleVmax = 1020;
inline constexpr forms::ControlId kBaskoTitle = 1166;
}  // namespace ids

// What a Basko "calculate" came to, as one record: the groups a refusal empties are emptied
// before whatever the press still shows is written. A volume flow the user chose to correct
// (YES), or one that holds no number, ends the press without a message on the form; elsewhere
// the refusal names the size's range and the flag that keeps the flow, or carries the
// volume-flow message for a text without a number. A flow kept (NO) gets a note that it lies
// outside the range. Before the correction question, the record holds the ranges alone.
forms::ResultRecord BaskoRecord(const BaskoOutcome& outcome, const BaskoEntry& entry);

// The Basko form: flow ranges, velocity, minimum pressure and sound power of the rectangular
// constant volume flow controller. A volume flow outside the size's ranges is put to the
// correction question.
class Basko : public forms::ProductForm {
  public:
    explicit Basko(const forms::FormContext& context);
    static const forms::FormSpec& Spec();
};

}  // namespace lorvane::rectangular
