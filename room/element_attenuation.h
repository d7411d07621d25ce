#pragma once

#include <string_view>

#include "core/bands.h"

namespace lorvane::room {

// What one element of a sound path takes off the sound power, in dB per octave band (0 or
// more), and, for a lined duct whose section or lining lies outside what its model was fitted
// to, a note saying so: the value is given all the same. The note reads after the element's
// name ("Path element 3 (duct ...) lies outside ..."); it is empty inside the model's range.
struct ElementAttenuation {
    Octaves decibels{};
    std::string_view note;
};

}  // namespace lorvane::room
