#pragma once

#include <array>
#include <optional>
#include <span>

#include "products/rectangular/rectangular_controller.h"

namespace lorvane::rectangular {

// One size of measuring nozzle.
struct Nozzle {
    int nominalSize;  // mm
    double maxFlow;   // m3/h through one nozzle
    double pitch;     // mm one nozzle takes across the section
    int cFactor;      // of one nozzle
};

// clang-format off
inline constexpr std::array<Nozzle, 12> NozzleTable{{
    // size  max flow  pitch  C
    {100,   250,   81,   16},
    {125,   400,  107,   26},
    {140,   550,  115,   33},
    {160,   700,  136,   44},
    {180,   900,  153,   56},
    {200,  1100,  168,   71},
    {224,  1400,  186,   90},
    {250,  1700,  208,  120},
    {280,  2200,  228,  136},
    {315,  2800,  260,  170},
    {355,  3500,  278,  220},
    {400,  4500,  338,  271},
}};
// clang-format on

// A row of equal nozzles: the index into NozzleTable and how many stand in the row.
struct NozzleArrangement {
    int index;
    int count;
};

// The nozzles of one section stand in one row along its longer side; the shorter side decides
// how large they can be. Of the rows that fit, walking from the largest nozzle down, the one
// with the largest flow. Absent when none fits.
std::optional<NozzleArrangement> ArrangeNozzles(int side, int otherSide);

// The nozzles of a controller, or of one of its sections. When none fit, found is false and
// every number is 0.
struct NozzleSelection {
    bool found = false;
    double vmin = 0;      // m3/h
    double vmax = 0;      // m3/h
    int nozzles = 0;      // in all sections together
    int nominalSize = 0;  // mm
    int cFactor = 0;      // of all nozzles together
    int sections = 0;     // 1, 2 or 3
};

// The nozzles of one section W mm wide and at most 400 mm high.
NozzleSelection NozzleSection(int width, int sectionHeight);

// The nozzles of a W x H mm Quenta, cut to whole millimetres: one section, or two or three
// stacked sections of a tall controller where they carry clearly more with fewer than 5 nozzles
// each. A height of 401 to 405 mm or of 802 to 849 mm has none.
NozzleSelection SelectNozzles(double width, double height);

// clang-format off
// The widths and heights of the rectangular duct series, in mm.
inline constexpr std::array<double, 11> DuctSeries{
    100, 150, 200, 250, 300, 400, 500, 600, 800, 1000, 1200};
// clang-format on

// A size the Quenta is made in, in mm, with its nozzles.
struct QuentaSize {
    double width;
    double height;
    NozzleSelection nozzles;
};

// Every width by height of the duct series, the height at most the width, that its nozzles
// fit: a size without an arrangement cannot be built. Width by width, each from the lowest
// height up.
std::span<const QuentaSize> QuentaSizes();

// The torque in Nm that drives the blades of the controller's damper, per sealing type. Absent
// where the blade model gives none (a height that holds no 100 mm blade).
struct QuentaTorques {
    std::optional<double> standard;
    std::optional<double> hollowProfile;
    std::optional<double> airtight;
};

struct QuentaResult {
    NozzleSelection nozzles;
    double velocity = 0;         // m/s
    double minimumPressure = 0;  // Pa, at most 9999
    bool accepted = false;       // false when dp + 1 < minimumPressure
    // Computed only once the pressure is accepted. Absent too when the model gives no finite
    // level (a volume flow of 0).
    std::optional<RectSpectrum> spectrum;
    QuentaTorques torques;  // computed only once the pressure is accepted
};

// The Quenta of width W and height H in mm at volume flow V in m3/h and differential pressure
// dp in Pa.
QuentaResult CalculateQuenta(double width, double height, double volumeFlow,
                             double differentialPressure);

}  // namespace lorvane::rectangular
