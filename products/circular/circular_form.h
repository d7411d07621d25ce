#pragma once

#include "forms/form.h"
#include "products/circular/circular_controller.h"

namespace lorvane::circular {

// Control ids shared by the four circular controller forms.
namespace ids {
inline constexpr forms::ControlId kHiddenDiameter = 1000;
inline constexpr forms::ControlId kVolumeFlow = 1001;
inline constexpr forms::ControlId kDifferentialPressure = 1002;
inline constexpr forms::ControlId kTargetLevel = 1003;
inline constexpr forms::ControlId kVelocity = 1004;
inline constexpr forms::ControlId kMinimumPressure = 1005;
inline constexpr forms::ControlId kOctave = 1007;   // to 1014
inline constexpr forms::ControlId kOctaveA = 1016;  // to 1023
inline constexpr forms::ControlId kSummationLevel = 1024;
inline constexpr forms::ControlId kCasing[] = {1025, 1034, 1043};  // 8 bands each
inline constexpr forms::ControlId kCasingSum[] = {1033, 1042, 1051};
inline constexpr forms::ControlId kCalculate = 1083;
}  // namespace ids

// The form of a circular controller, built from the controller's description.
forms::FormDescription CircularFormDescription(const CircularController& controller);

// Writes what a "calculate" came to into the form: the flow range, velocity, minimum pressure,
// the acoustic rows and the attenuator rows, and empties the fields a refusal names. The
// message box is left to the caller.
void ShowCircularOutcome(forms::FormView& view, const CircularController& controller,
                         const CircularOutcome& outcome);

// The logic of a circular controller form.
class CircularForm : public forms::Form {
  public:
    CircularForm(const CircularController& controller, const forms::FormContext& context);

    const forms::FormDescription& Description() const override { return description_; }
    std::vector<forms::FieldText> InitialTexts() const override;
    void OnButton(forms::FormView& view, forms::ControlId button) override;
    void OnSelectionChange(forms::FormView& view, forms::ControlId list, int index) override;

  private:
    const CircularController& controller_;
    forms::FormContext context_;
    forms::FormDescription description_;
};

}  // namespace lorvane::circular
