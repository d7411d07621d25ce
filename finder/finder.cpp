#include "finder/finder.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>

#include "core/attenuator_table.h"
#include "core/number_text.h"
#include "products/circular/daxel.h"
#include "products/circular/mirolt.h"
#include "products/circular/selmon.h"
#include "products/circular/tolmar.h"
#include "products/rectangular/basko.h"
#include "products/rectangular/basko_tables.h"
#include "products/rectangular/quenta.h"

namespace lorvane::finder {
namespace {

// The Basko form lets a volume flow pass that far beyond its theoretical range, in m3/h.
constexpr double kBaskoFlowTolerance = 1;

// clang-format off
// The widths and heights of the rectangular duct series, in mm: a Quenta is made in every
// width by height of them with the height at most the width, where its nozzles fit.
constexpr std::array<double, 11> kDuctSeries{
    100, 150, 200, 250, 300, 400, 500, 600, 800, 1000, 1200};
// clang-format on

// A circular controller by its catalogue word: its form's diameters, ranges and calculation.
struct CircularLine {
    std::string_view word;
    const circular::CircularController& (*controller)();
};

// clang-format off
constexpr std::array<CircularLine, 4> kCircularLines{{
    {"selmon", circular::SelmonController},
    {"tolmar", circular::TolmarController},
    {"daxel",  circular::DaxelController},
    {"mirolt", circular::MiroltController},
}};
// clang-format on

struct RectSize {
    double width;
    double height;
};

// Every size the Basko is made in: those with existing scales, then the special sizes, once
// each, in table order.
const std::vector<RectSize>& BaskoSizes() {
    static const std::vector<RectSize> sizes = [] {
        std::vector<RectSize> all;
        const auto add = [&all](double width, double height) {
            const bool known = std::any_of(all.begin(), all.end(), [&](const RectSize& s) {
                return s.width == width && s.height == height;
            });
            if (!known) {
                all.push_back({width, height});
            }
        };
        for (const rectangular::Scale& scale : rectangular::ScaleTable) {
            add(scale.width, scale.height);
        }
        for (const rectangular::SpecialSize& special : rectangular::SpecialSizeTable) {
            add(special.width, special.height);
        }
        return all;
    }();
    return sizes;
}

struct QuentaSize {
    RectSize size;
    rectangular::NozzleSelection nozzles;
};

// Every Quenta of the duct series that its nozzles fit, with its nozzles: a size without an
// arrangement cannot be built.
const std::vector<QuentaSize>& QuentaSizes() {
    static const std::vector<QuentaSize> sizes = [] {
        std::vector<QuentaSize> built;
        for (double width : kDuctSeries) {
            for (double height : kDuctSeries) {
                if (height > width) {
                    continue;
                }
                const rectangular::NozzleSelection nozzles =
                    rectangular::SelectNozzles(width, height);
                if (nozzles.found) {
                    built.push_back({{width, height}, nozzles});
                }
            }
        }
        return built;
    }();
    return sizes;
}

bool Within(double value, double low, double high) {
    return low <= value && value <= high;
}

bool FitsRoom(const RectSize& size, const DutyPoint& duty) {
    return !(duty.maxWidth && size.width > *duty.maxWidth) &&
           !(duty.maxHeight && size.height > *duty.maxHeight);
}

// A candidate whose levels came out finite; others are left out.
bool Finite(const Candidate& candidate) {
    return std::isfinite(candidate.velocity) && std::isfinite(candidate.minimumPressure) &&
           std::isfinite(candidate.summationLevel);
}

void AddCircular(const CircularLine& line, const DutyPoint& duty, std::vector<Candidate>& found) {
    const circular::CircularController& controller = line.controller();
    for (const circular::FlowRange& range : controller.flowRanges) {
        if ((duty.maxDiameter && range.diameter > *duty.maxDiameter) ||
            !Within(duty.volumeFlow, range.vmin, range.vmax)) {
            continue;
        }
        const circular::CircularResult result =
            controller.calculate(range.diameter, duty.volumeFlow, duty.differentialPressure);
        if (!result.accepted || !result.spectrum) {
            continue;
        }
        const circular::CircularSpectrum& spectrum = *result.spectrum;
        Candidate candidate{
            .product = line.word,
            .size = {.diameter = range.diameter},
            .velocity = result.velocity,
            .minimumPressure = result.minimumPressure,
            .summationLevel = spectrum.summationLevel,
            .casingSummationLevel = spectrum.casingSum[0],
        };
        if (!Finite(candidate)) {
            continue;
        }
        if (duty.target && !MeetsTarget(*duty.target, candidate.summationLevel)) {
            const AttenuatorSelection selection =
                SelectAttenuatorLengths(range.diameter, spectrum.octave, *duty.target);
            candidate.attenuator = ShortestMeeting(selection, *duty.target);
            if (candidate.attenuator) {
                const int position = *FindAttenuatorDiameter(range.diameter);
                candidate.attenuator->estimated =
                    !InsertionLossFromCatalogue[position][candidate.attenuator->insulation];
            }
            candidate.meetsTarget = candidate.attenuator.has_value();
            candidate.attenuatorNeed = candidate.attenuator ? AttenuatorNeed::Selected
                                       : selection.outcome == SelectionOutcome::NoValues
                                           ? AttenuatorNeed::NoValues
                                           : AttenuatorNeed::NoneReaches;
        }
        found.push_back(candidate);
    }
}

// A rectangular candidate from its result; the range has no attenuator for it.
template <typename Result>
void AddRectangular(std::string_view word, const RectSize& size, const Result& result,
                    const DutyPoint& duty, std::vector<Candidate>& found) {
    if (!result.accepted || !result.spectrum) {
        return;
    }
    const rectangular::RectSpectrum& spectrum = *result.spectrum;
    Candidate candidate{
        .product = word,
        .size = {.width = size.width, .height = size.height},
        .velocity = result.velocity,
        .minimumPressure = result.minimumPressure,
        .summationLevel = spectrum.summationLevel,
    };
    if (spectrum.casing) {
        candidate.casingSummationLevel = spectrum.casing->bare.summationLevel;
    }
    if (!Finite(candidate)) {
        return;
    }
    if (duty.target && !MeetsTarget(*duty.target, candidate.summationLevel)) {
        candidate.meetsTarget = false;
        candidate.attenuatorNeed = AttenuatorNeed::NotOffered;
    }
    found.push_back(candidate);
}

void AddBasko(const DutyPoint& duty, std::vector<Candidate>& found) {
    const double flow = duty.volumeFlow;
    for (const RectSize& size : BaskoSizes()) {
        if (!FitsRoom(size, duty)) {
            continue;
        }
        const std::optional<rectangular::VolumeFlowRange> theoretical =
            rectangular::TheoreticalRange(size.width, size.height);
        if (!theoretical) {
            continue;
        }
        // Inside the theoretical range with its tolerance, or in an existing scale; any other
        // flow puts the correction question.
        const bool accepted = (flow + kBaskoFlowTolerance >= theoretical->vmin &&
                               flow - kBaskoFlowTolerance <= theoretical->vmax) ||
                              rectangular::FitsExistingScale(size.width, size.height, flow);
        if (!accepted) {
            continue;
        }
        AddRectangular(
            "basko", size,
            rectangular::CalculateBasko(size.width, size.height, flow, duty.differentialPressure),
            duty, found);
    }
}

void AddQuenta(const DutyPoint& duty, std::vector<Candidate>& found) {
    for (const QuentaSize& quenta : QuentaSizes()) {
        if (!FitsRoom(quenta.size, duty) ||
            !Within(duty.volumeFlow, quenta.nozzles.vmin, quenta.nozzles.vmax)) {
            continue;
        }
        AddRectangular("quenta", quenta.size,
                       rectangular::CalculateQuenta(quenta.size.width, quenta.size.height,
                                                    duty.volumeFlow, duty.differentialPressure),
                       duty, found);
    }
}

}  // namespace

std::string ExactText(double value) {
    // Plain digits for the values of this trade; an exponent only for the very large or small,
    // where the digits would be many.
    const double magnitude = std::fabs(value);
    const bool plain = magnitude == 0 || (magnitude >= 1e-6 && magnitude < 1e16);
    std::array<char, 64> buffer{};
    const std::to_chars_result text =
        plain ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                              std::chars_format::fixed)
              : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), text.ptr);
}

double Size::Area() const {
    if (diameter) {
        return std::numbers::pi * *diameter * *diameter / 4;
    }
    return width * height;
}

bool MeetsTarget(double target, double level) {
    return RoundWhole(target) >= RoundWhole(level);
}

std::optional<AttenuatorChoice> ShortestMeeting(const AttenuatorSelection& selection,
                                                double target) {
    if (selection.outcome != SelectionOutcome::Selected) {
        return std::nullopt;
    }
    std::optional<AttenuatorChoice> shortest;
    for (int insulation = 0; insulation < kInsulationCount; ++insulation) {
        const AttenuatorRow& row = selection.rows[insulation];
        if (!MeetsTarget(target, row.summationLevel)) {
            continue;
        }
        if (!shortest || row.length < shortest->length) {
            shortest = AttenuatorChoice{insulation, row.length, row.summationLevel, false};
        }
    }
    return shortest;
}

std::vector<Candidate> FindCandidates(const DutyPoint& duty) {
    std::vector<Candidate> found;
    // Every form refuses such a pressure, and the circular ones such a target.
    if (!Within(duty.differentialPressure, kLowestPressure, kHighestPressure)) {
        return found;
    }
    if (!duty.target || Within(*duty.target, 0, kHighestTarget)) {
        for (const CircularLine& line : kCircularLines) {
            AddCircular(line, duty, found);
        }
    }
    AddBasko(duty, found);
    AddQuenta(duty, found);
    std::stable_sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) {
        if (a.meetsTarget != b.meetsTarget) {
            return a.meetsTarget;
        }
        if (a.size.Area() != b.size.Area()) {
            return a.size.Area() < b.size.Area();
        }
        return a.summationLevel < b.summationLevel;
    });
    return found;
}

forms::InputTexts FormTexts(const Candidate& candidate, const DutyPoint& duty) {
    forms::InputTexts texts{
        {"flow", ExactText(duty.volumeFlow)},
        {"dp", ExactText(duty.differentialPressure)},
        {"target", duty.target ? ExactText(*duty.target) : "0"},
    };
    if (candidate.size.diameter) {
        texts["diameter"] = ExactText(*candidate.size.diameter);
    } else {
        texts["width"] = ExactText(candidate.size.width);
        texts["height"] = ExactText(candidate.size.height);
    }
    return texts;
}

}  // namespace lorvane::finder
