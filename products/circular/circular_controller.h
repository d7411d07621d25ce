#pragma once

#include <array>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/attenuator_selection.h"
#include "core/bands.h"
#include "core/shared_state.h"

namespace lorvane::circular {

// The permitted volume flow of one diameter, both limits inclusive.
struct FlowRange {
    double diameter;  // mm
    double vmin;      // m3/h
    double vmax;      // m3/h
};

// One row of a per-diameter band table, as the catalogue prints it.
struct DiameterBands {
    double diameter;  // mm
    Octaves bands;    // dB, 63 to 8000 Hz
};

// What the form takes besides a diameter of the list and a volume flow in its range.
inline constexpr double kMinimumDifferentialPressure = 0.1;  // Pa
inline constexpr double kMaximumTargetLevel = 100;           // dB(A)

// Casing sound reduction of one diameter without insulation, with 25 mm and with 50 mm. The
// case-radiated level is the air-regenerated octave level minus these values.
inline constexpr int kCasingVariants = 3;
using CasingLosses = std::array<Octaves, kCasingVariants>;

// The casing sound reduction of a controller as three tables (without insulation, 25 mm, 50 mm)
// with one row per diameter, in the order of the form's diameter list.
template <std::size_t N>
struct CasingTables {
    std::array<DiameterBands, N> none;
    std::array<DiameterBands, N> insulated25;
    std::array<DiameterBands, N> insulated50;

    constexpr CasingLosses Row(int row) const {
        const auto i = static_cast<std::size_t>(row);
        return {none[i].bands, insulated25[i].bands, insulated50[i].bands};
    }
};

// True when the three tables have a row for each diameter of the flow ranges, in their order:
// a row is then picked by the same position in all of them.
template <std::size_t N>
constexpr bool DiametersAgree(const std::array<FlowRange, N>& ranges,
                              const CasingTables<N>& tables) {
    for (std::size_t i = 0; i < N; ++i) {
        const double d = ranges[i].diameter;
        if (tables.none[i].diameter != d || tables.insulated25[i].diameter != d ||
            tables.insulated50[i].diameter != d) {
            return false;
        }
    }
    return true;
}

// The rows of another controller's tables for the diameters of these flow ranges; a diameter
// the source lacks stops the compilation.
template <std::size_t N, std::size_t M>
constexpr CasingTables<M> CasingRowsOf(const CasingTables<N>& source,
                                       const std::array<FlowRange, M>& ranges) {
    CasingTables<M> rows{};
    for (std::size_t i = 0; i < M; ++i) {
        std::size_t j = 0;
        while (j < N && source.none[j].diameter != ranges[i].diameter) {
            ++j;
        }
        if (j == N) {
            throw std::logic_error("no casing row for this diameter");
        }
        rows.none[i] = source.none[j];
        rows.insulated25[i] = source.insulated25[j];
        rows.insulated50[i] = source.insulated50[j];
    }
    return rows;
}

// The sound a controller makes at its operating point.
struct CircularSpectrum {
    ThirdOctaves thirdOctave{};                       // dB
    int modelledThirdOctaves = kThirdOctaveCount;     // the bands above count 0 dB in the sum
    Octaves octave{};                                 // air-regenerated octave levels, dB
    Octaves octaveA{};                                // the same, A-weighted per band, dB(A)
    double summationLevel = 0;                        // dB(A)
    std::array<Octaves, kCasingVariants> casing{};    // case-radiated levels, dB
    std::array<double, kCasingVariants> casingSum{};  // their summation levels, dB(A)
};

struct CircularResult {
    double velocity = 0;                       // m/s
    std::optional<double> zeta;                // resistance coefficient, where the model uses one
    double minimumPressure = 0;                // Pa, at most 9999
    bool accepted = false;                     // false when dp + 1 < minimumPressure
    std::optional<CircularSpectrum> spectrum;  // absent when a refused pressure stops the model
};

// Caps a minimum pressure formula at 9999 Pa and tells whether dp is enough: a pressure up to
// 1 Pa below the minimum is still accepted.
double CapMinimumPressure(double minimumPressure);
bool AcceptsPressure(double differentialPressure, double minimumPressure);

// Fills the A-weighted octaves, and the case-radiated rows for the casing losses of one diameter,
// of a spectrum whose octave levels are known.
void CompleteSpectrum(CircularSpectrum& spectrum, const CasingLosses& casing);

// The row of a table whose diameter equals the given one exactly.
std::optional<int> FindDiameter(std::span<const FlowRange> ranges, double diameter);

// The row of one of a controller's own diameters. A calculation is only called with a diameter
// its form accepted, so any other throws std::invalid_argument.
int DiameterRow(std::span<const FlowRange> ranges, double diameter);

using CircularCalculation = CircularResult (*)(double diameter, double volumeFlow,
                                               double differentialPressure);

// Everything that makes one circular controller different from the others: its tables and
// formulas, the texts and ids of its form, and how its form reacts to a refused diameter.
struct CircularController {
    std::string_view caption;  // "Selmon"
    std::string_view heading;  // the form's title line
    int titleId;
    int diameterListId;
    int vminId;
    int vmaxId;
    std::string_view diameterMessage;   // "Pease correct diameter"
    std::string_view levelFormat;       // "%4.0lf" or "%5.0lf"
    std::string_view casingHeading;     // "Case-radiated noise:"
    bool hasHiddenDiameterField;        // field 1000, pre-filled with the stored diameter
    bool clearsRangeOnRefusedDiameter;  // empty Vmin and Vmax when the diameter is refused
    std::span<const FlowRange> flowRanges;
    CircularCalculation calculate;
};

enum class CircularInput { Diameter, VolumeFlow, DifferentialPressure, TargetLevel };

// The texts of the four inputs as the user typed them.
struct CircularEntry {
    std::string diameter;
    std::string volumeFlow;
    std::string differentialPressure;
    std::string targetLevel;
};

// What one "calculate" came to. The inputs are checked in order and each one that passes is
// stored in the shared state before the next is read; the first refused input ends the press.
struct CircularOutcome {
    std::optional<FlowRange> range;        // once the diameter passed
    std::optional<CircularInput> refused;  // the first refused input
    std::optional<CircularResult> result;  // once every input passed
    double targetLevel = 0;                // dB(A), once every input passed
    AttenuatorSelection selection;         // once the pressure was accepted
};

CircularOutcome EvaluateCircular(const CircularController& controller, SharedState& state,
                                 const CircularEntry& entry);

// The message a form shows for an outcome; empty when there is nothing to report.
std::string_view OutcomeMessage(const CircularController& controller,
                                const CircularOutcome& outcome);

}  // namespace lorvane::circular
