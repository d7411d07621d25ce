#include "products/rectangular/quenta.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "products/dampers/blade_model.h"

namespace lorvane::rectangular {
namespace {

constexpr double kSideDeduction = 2 * 1.25 + 2 * 1.5;  // mm taken off each side length
constexpr double kNozzleSpacing = 2 * 5.5;             // mm beside each nozzle
constexpr double kStartMargin = 20;                    // mm
constexpr double kMarginFloor = 16;                    // mm
constexpr double kSmallestNozzleMarginFloor = 12;      // mm, for the smallest nozzle
constexpr double kCornerClearance = 3.0;               // mm
constexpr double kCornerSpacing = 5.5;                 // mm
constexpr int kMaxNozzlesInRow = 8;
constexpr int kMaxSectionHeight = 400;  // mm
constexpr double kVminShare = 0.15;     // Vmin as a share of Vmax

double Pitch(int index) {
    return NozzleTable[static_cast<std::size_t>(index)].pitch;
}

// The largest nozzle whose pitch is at most the given length, or -1.
int LargestNozzleUpTo(double length) {
    int index = -1;
    for (int i = 0; i < static_cast<int>(NozzleTable.size()); ++i) {
        if (Pitch(i) <= length) {
            index = i;
        }
    }
    return index;
}

int NozzlesInRow(double rowLength, double pitch) {
    const int n = static_cast<int>(rowLength / (pitch + kNozzleSpacing));
    return std::min(n, kMaxNozzlesInRow);
}

// Whether n nozzles of pitch D clear the corners of the section with margins m1 along the row
// and m2 across it.
bool Fits(double rowLength, double across, int n, double pitch, double m1, double m2) {
    const double y = (rowLength - n * pitch) / (2 * n) + pitch / 2 - m1;
    const double x = across / 2 - m2;
    const double r = std::sqrt(x * x + y * y);
    return pitch <= 2 * (r - kCornerClearance - kCornerSpacing);
}

double RowFlow(const NozzleArrangement& row) {
    return row.count * NozzleTable[static_cast<std::size_t>(row.index)].maxFlow;
}

// A whole number of millimetres no int can misread.
std::optional<int> WholeMillimetres(double length) {
    if (!(length >= 0 && length <= std::numeric_limits<int>::max())) {
        return std::nullopt;
    }
    return static_cast<int>(length);
}

NozzleSelection Times(const NozzleSelection& section, int sections) {
    return {
        .found = section.found,
        .vmin = sections * section.vmin,
        .vmax = sections * section.vmax,
        .nozzles = sections * section.nozzles,
        .nominalSize = section.nominalSize,
        .cFactor = sections * section.cFactor,
        .sections = sections,
    };
}

}  // namespace

std::optional<NozzleArrangement> ArrangeNozzles(int side, int otherSide) {
    const double rowLength = std::max(side, otherSide) - kSideDeduction;
    const double across = std::min(side, otherSide) - kSideDeduction;

    int index = LargestNozzleUpTo(across - kNozzleSpacing);
    if (index < 0) {
        return std::nullopt;
    }
    double m1 = kStartMargin;
    double m2 = kStartMargin;
    std::optional<NozzleArrangement> best;  // the recorded candidate with the largest flow
    for (;;) {
        const int n = NozzlesInRow(rowLength, Pitch(index));
        // Lower the margins, then the nozzle, until the row fits.
        while (!Fits(rowLength, across, n, Pitch(index), m1, m2)) {
            const double marginFloor = index >= 1 ? kMarginFloor : kSmallestNozzleMarginFloor;
            if (m1 > marginFloor || m2 > marginFloor) {
                m1 = m1 > marginFloor ? m1 - 1 : m1;
                m2 = m2 > marginFloor ? m2 - 1 : m2;
            } else if (index >= 1) {
                --index;
            } else {
                return std::nullopt;
            }
        }
        const NozzleArrangement candidate{index, n};
        // A full row or the smallest nozzle ends the walk; this last candidate only counts when
        // none was recorded before it.
        if (n == kMaxNozzlesInRow || index == 0) {
            return best ? best : candidate;
        }
        if (!best || RowFlow(candidate) > RowFlow(*best)) {
            best = candidate;
        }
        --index;
    }
}

NozzleSelection NozzleSection(int width, int sectionHeight) {
    if (sectionHeight > kMaxSectionHeight) {
        return {};
    }
    const std::optional<NozzleArrangement> row = ArrangeNozzles(sectionHeight, width);
    if (!row) {
        return {};
    }
    const Nozzle& nozzle = NozzleTable[static_cast<std::size_t>(row->index)];
    const double vmax = row->count * nozzle.maxFlow;
    return {
        .found = true,
        .vmin = kVminShare * vmax,
        .vmax = vmax,
        .nozzles = row->count,
        .nominalSize = nozzle.nominalSize,
        .cFactor = row->count * nozzle.cFactor,
        .sections = 1,
    };
}

NozzleSelection SelectNozzles(double width, double height) {
    const std::optional<int> w = WholeMillimetres(width);
    const std::optional<int> h = WholeMillimetres(height);
    if (!w || !h) {
        return {};
    }
    NozzleSelection selection = NozzleSection(*w, *h);
    // Stacked sections replace a single one only when they carry clearly more.
    if (406 <= *h && *h <= 849) {
        const NozzleSelection half = NozzleSection(*w, *h / 2);
        if (1.11 * selection.vmax < 2 * half.vmax && half.nozzles < 5) {
            selection = Times(half, 2);
        }
    }
    if (*h > 849) {
        const NozzleSelection third = NozzleSection(*w, *h / 3);
        if (1.1 * selection.vmax < 3 * third.vmax && third.nozzles < 5) {
            selection = Times(third, 3);
        }
    }
    return selection;
}

std::span<const QuentaSize> QuentaSizes() {
    static const std::vector<QuentaSize> sizes = [] {
        std::vector<QuentaSize> built;
        for (double width : DuctSeries) {
            for (double height : DuctSeries) {
                if (height > width) {
                    continue;
                }
                const NozzleSelection nozzles = SelectNozzles(width, height);
                if (nozzles.found) {
                    built.push_back({width, height, nozzles});
                }
            }
        }
        return built;
    }();
    return sizes;
}

QuentaResult CalculateQuenta(double width, double height, double volumeFlow,
                             double differentialPressure) {
    QuentaResult result;
    result.nozzles = SelectNozzles(width, height);
    const double v = volumeFlow / width / height * 1000 * 1000 / 3600;
    const double area = height * width / 1000 / 1000;
    const double k = 9.3 * std::log(v) + 3 * std::log(differentialPressure) + 7 * std::log(area);
    result.velocity = v;
    result.minimumPressure = CapMinimumPressure(0.8 * v * v + 52);
    result.accepted = AcceptsPressure(differentialPressure, result.minimumPressure);
    if (!result.accepted) {
        return result;
    }

    constexpr double c4 = 9.7e-14;
    constexpr double c3 = -1.7e-9;
    constexpr double c2 = 1e-5;
    const double c1 = 0.00187 * std::log(differentialPressure) - 0.035;
    ThirdOctaves thirds{};
    for (int i = 0; i < kThirdOctaveCount; ++i) {
        // The powers of these whole frequencies are exact in double precision.
        const double f = RectThirdOctaveBands[i];
        thirds[i] =
            c4 * (f * f * f * f) + c3 * (f * f * f) + c2 * (f * f) + c1 * f - 9.5 + 54.4 + k;
    }
    result.spectrum = SpectrumFromThirds(thirds, width, height);

    // The controller's damper has 100 mm blades.
    const auto torque = [&](int sealingType) {
        return dampers::RequiredTorque(sealingType, dampers::kBlade100, width, height,
                                       differentialPressure);
    };
    result.torques = {
        .standard = torque(dampers::kSealingStandard),
        .hollowProfile = torque(dampers::kSealingHollowProfile),
        .airtight = torque(dampers::kSealingAirtight),
    };
    return result;
}

}  // namespace lorvane::rectangular
