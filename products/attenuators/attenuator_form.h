#pragma once

#include <optional>
#include <string>

#include "forms/product_form.h"
#include "products/attenuators/attenuator.h"

namespace lorvane::attenuators {

// Control ids of the attenuator form.
namespace ids {
inline constexpr forms::ControlId kHiddenDiameter = 1000;  // carries the diameter, never shown
inline constexpr forms::ControlId kLength = 1001;
inline constexpr forms::ControlId kCalculate = 1083;
inline constexpr forms::ControlId kDiameterList = 1161;
inline constexpr forms::ControlId kTitle = 1168;
inline constexpr forms::ControlId kInsertionLoss[] = {1054, 1063, 1072};  // 8 bands each
}  // namespace ids

enum class AttenuatorInput { Diameter, Length };

// The texts of the two inputs as the user typed or picked them.
struct AttenuatorEntry {
    std::string diameter;
    std::string length;
};

// What one "calculate" came to: the first refused input, or the insertion loss.
struct AttenuatorOutcome {
    std::optional<AttenuatorInput> refused;
    int diameterPosition = -1;  // in AttenuatorDiameters, once the diameter passed
    std::optional<InsertionLoss> insertionLoss;
};

// Checks the diameter (one of the fifteen, exactly) and stores it, then the length (500 to
// 2000 mm) and stores it, and interpolates the insertion loss. A refused input ends the check;
// what was stored before it stays stored.
AttenuatorOutcome EvaluateAttenuator(SharedState& state, const AttenuatorEntry& entry);

// The sentence that names a refused input and what it may be.
std::string RefusalSentence(AttenuatorInput input);

// The attenuator form: the insertion loss of one Nerva attenuator for the three insulation
// thicknesses. A refused input is named with its permitted values and leaves every field as
// it was.
class Schalldaempfer : public forms::ProductForm {
  public:
    explicit Schalldaempfer(const forms::FormContext& context);
    static const forms::FormSpec& Spec();
};

}  // namespace lorvane::attenuators
