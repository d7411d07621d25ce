#pragma once

namespace lorvane::dampers {

// The last accepted inputs of the damper forms, for the whole run; reached as
// `state.Of<DamperInputs>()`. The leakage and torque forms keep their width, height and pressure
// in `ProductInputs` instead; the bending form and the leakage form copy some of theirs in here,
// so the acoustics form opens with them.
struct DamperInputs {
    // Pa: the upper bound of the acoustics form's pressure and the cap of MaxPressureDifference.
    static constexpr double maxDifferentialPressure = 5000;

    double width = 200;                 // mm, also the blade length
    double height = 200;                // mm
    double volumeFlow = 200;            // m3/h
    double differentialPressure = 100;  // Pa
    int linkageSelection = 0;           // 0 "opposite direction", 1 "same direction"
    int sealingSelection = 1;           // 0 "standard", 1 "hollow profile", 2 "airtight"
    double bendingLength = 200;         // mm, the blade length of the bending form
};

}  // namespace lorvane::dampers
