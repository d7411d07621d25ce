#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/bands.h"

namespace lorvane {

inline constexpr int kAttenuatorDiameterCount = 15;
inline constexpr int kInsulationCount = 3;  // 25, 50 and 75 mm of absorbing insulation
inline constexpr int kAttenuatorLengthCount = 7;

// Diameters in mm of the Nerva circular attenuators, ascending.
inline constexpr std::array<double, kAttenuatorDiameterCount> AttenuatorDiameters{
    80, 100, 125, 140, 150, 160, 180, 200, 224, 250, 280, 300, 315, 355, 400};

struct AttenuatorLengthEntry {
    double millimetres;
    std::string_view text;
};

inline constexpr std::array<AttenuatorLengthEntry, kAttenuatorLengthCount> AttenuatorLengths{{
    {500, "0.50m"},
    {750, "0.75m"},
    {1000, "1.00m"},
    {1250, "1.25m"},
    {1500, "1.50m"},
    {1750, "1.75m"},
    {2000, "2.00m"},
}};

inline constexpr std::array<double, kInsulationCount> InsulationThicknesses{25, 50, 75};
// The thicknesses as results name them.
inline constexpr std::array<std::string_view, kInsulationCount> InsulationTexts{"25mm", "50mm",
                                                                               "75mm"};

// Insertion loss in dB, indexed [diameter][insulation][length][octave band].
using InsertionLossData =
    std::array<std::array<std::array<Octaves, kAttenuatorLengthCount>, kInsulationCount>,
               kAttenuatorDiameterCount>;
extern const InsertionLossData InsertionLossTable;

// Per diameter and insulation thickness: true where the row is a catalogue value, false where
// it is an estimate made from the catalogue rows.
using InsertionLossOrigins =
    std::array<std::array<bool, kInsulationCount>, kAttenuatorDiameterCount>;
extern const InsertionLossOrigins InsertionLossFromCatalogue;

// Position of the diameter in AttenuatorDiameters when it equals an entry exactly.
std::optional<int> FindAttenuatorDiameter(double diameter);

}  // namespace lorvane
