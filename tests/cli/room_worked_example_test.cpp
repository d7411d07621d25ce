// The worked example of the user guide: a Selmon of 250 mm at 1000 m3/h and 250 Pa serving an
// office through a duct run, worked by hand from the published formulas and compared with what
// lorvane-calc gives.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/attenuator_table.h"
#include "core/bands.h"
#include "core/nc_rating.h"
#include "tests/cli/cli_output.h"

namespace lorvane::cli::test {
namespace {

constexpr double kTolerance = 1e-9;
using Bands = std::array<double, 8>;
constexpr Bands kHz{63, 125, 250, 500, 1000, 2000, 4000, 8000};

Bands Levels(const Json& array) {
    Bands levels{};
    for (std::size_t k = 0; k < 8; ++k) {
        levels[k] = array.at(k).get<double>();
    }
    return levels;
}

void ExpectBands(const Json& actual, const Bands& expected, const char* what) {
    SCOPED_TRACE(what);
    const Bands levels = Levels(actual);
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_NEAR(levels[k], expected[k], kTolerance) << kHz[k] << " Hz";
    }
}

// duct d250 6: unlined round duct of 180 to 380 mm, dB/m per band, 8 kHz as 4 kHz.
Bands UnlinedRoundDuct() {
    const Bands perMetre{0.10, 0.10, 0.10, 0.16, 0.23, 0.23, 0.23, 0.23};
    Bands decibels{};
    for (std::size_t k = 0; k < 8; ++k) {
        decibels[k] = perMetre[k] * 6;
    }
    return decibels;
}

// elbow d250 round: the radiused row by f·w in kHz·mm.
Bands RoundElbow() {
    Bands decibels{};
    for (std::size_t k = 0; k < 8; ++k) {
        const double index = kHz[k] / 1000 * 250;
        decibels[k] = index < 48 ? 0 : index < 96 ? 1 : index < 190 ? 2 : 3;
    }
    return decibels;
}

// duct d250 2 lined 50: IL per ft = a + b t + c t² + d D + e D² + g D³ (t, D in inches), times
// the length in ft, at most 40 dB.
Bands LinedRoundDuct() {
    struct Row {
        double a, b, c, d, e, g;
    };
    // clang-format off
    const std::array<Row, 8> rows{{
        {0.2825, 0.3447, -5.251e-2, -3.837e-2,  9.132e-4, -8.294e-6},
        {0.5237, 0.2234, -4.936e-3, -2.724e-2,  3.377e-4, -2.490e-6},
        {0.3652, 0.7900, -0.1157,   -1.834e-2, -1.211e-4,  2.681e-6},
        {0.1333, 1.845,  -0.3735,   -1.293e-2,  8.624e-5, -4.986e-6},
        {1.933,  0,       0,         6.135e-2, -3.891e-3,  3.934e-5},
        {2.730,  0,       0,        -7.341e-2,  4.428e-4,  1.006e-6},
        {2.800,  0,       0,        -0.1467,    3.404e-3, -2.851e-5},
        {1.545,  0,       0,        -5.452e-2,  1.290e-3, -1.318e-5},
    }};
    // clang-format on
    const double t = 50 / 25.4;
    const double diameter = 250 / 25.4;
    const double feet = 2 / 0.3048;
    Bands decibels{};
    for (std::size_t k = 0; k < 8; ++k) {
        const Row& r = rows[k];
        const double perFoot = r.a + r.b * t + r.c * t * t + r.d * diameter +
                               r.e * diameter * diameter + r.g * diameter * diameter * diameter;
        decibels[k] = std::min(40.0, std::max(0.0, perFoot) * feet);
    }
    return decibels;
}

// branch 0.5: -10 lg s.
Bands HalfBranch() {
    Bands decibels{};
    decibels.fill(-10 * std::log10(0.5));
    return decibels;
}

// outlet d200 flush: ERL = 10 lg(1 + (0.7 c0 / (pi f D))²).
Bands FlushOutlet() {
    Bands decibels{};
    for (std::size_t k = 0; k < 8; ++k) {
        const double ratio = 0.7 * 343 / (std::numbers::pi * kHz[k] * 0.2);
        decibels[k] = 10 * std::log10(1 + ratio * ratio);
    }
    return decibels;
}

// The office: 6 x 5 x 3 m, T = 0.6 s, r = 1.5 m, Q = 2.
double RoomGain() {
    const double volume = 6 * 5 * 3;
    const double surface = 2 * (6 * 5 + 6 * 3 + 5 * 3);
    const double absorption = 0.161 * volume / 0.6 / surface;
    const double roomConstant = surface * absorption / (1 - absorption);
    return 10 * std::log10(2 / (4 * std::numbers::pi * 1.5 * 1.5) + 4 / roomConstant);
}

double DbA(const Bands& levels) {
    double energy = 0;
    for (int k = 0; k < 8; ++k) {
        energy += std::pow(10, (levels[k] + OctaveAWeighting(k)) / 10);
    }
    return 10 * std::log10(energy);
}

double Nr(const Bands& levels) {
    const Bands a{35.5, 22.0, 12.0, 4.8, 0, -3.5, -6.1, -8.0};
    const Bands b{0.790, 0.870, 0.930, 0.974, 1.000, 1.015, 1.025, 1.030};
    double nr = -1e9;
    for (std::size_t k = 0; k < 8; ++k) {
        nr = std::max(nr, (levels[k] - a[k]) / b[k]);
    }
    return nr;
}

// The NC curves' own interpolation: between two curves linearly, the highest band counting.
double Nc(const Bands& levels) {
    double nc = 0;
    for (std::size_t band = 0; band < kNcBandCount; ++band) {
        const double level = levels[band + 1];
        for (std::size_t c = 0; c + 1 < NcCurves.size(); ++c) {
            const double lower = NcCurves[c].limits[band];
            const double upper = NcCurves[c + 1].limits[band];
            if (level >= lower && level < upper) {
                nc = std::max(nc, NcCurves[c].nc + 5 * (level - lower) / (upper - lower));
            }
        }
    }
    return nc;
}

TEST(RoomWorkedExample, LorvaneCalcGivesWhatTheFormulasGive) {
    const Json json = RunJson(
        {"selmon",
         "--diameter",
         "250",
         "--flow",
         "1000",
         "--dp",
         "250",
         "--path",
         "duct d250 6; elbow d250 round; duct d250 2 lined 50; branch 0.5; outlet d200 flush",
         "--room",
         "6x5x3",
         "--reverberation",
         "0.6",
         "--distance",
         "1.5",
         "--directivity",
         "2",
         "--room-target",
         "NR 30",
         "--json"});
    const Json& room = json.at("room");
    ASSERT_EQ(room.at("path").size(), 5u);

    const std::array<Bands, 5> elements{UnlinedRoundDuct(), RoundElbow(), LinedRoundDuct(),
                                        HalfBranch(), FlushOutlet()};
    Bands power = Levels(json.at("octave"));  // the Selmon's own duct-borne sound power
    for (std::size_t e = 0; e < elements.size(); ++e) {
        ExpectBands(room["path"][e]["attenuation"], elements[e],
                    room["path"][e]["element"].get<std::string>().c_str());
        for (std::size_t k = 0; k < 8; ++k) {
            power[k] -= elements[e][k];
        }
    }
    ExpectBands(room["powerAtRoom"], power, "sound power at the room");

    Bands levels{};
    for (std::size_t k = 0; k < 8; ++k) {
        levels[k] = power[k] + RoomGain();
    }
    ExpectBands(room["levels"], levels, "levels at the listener");
    EXPECT_NEAR(room["summationLevel"].get<double>(), DbA(levels), kTolerance);
    EXPECT_NEAR(room["nr"].get<double>(), Nr(levels), kTolerance);
    EXPECT_NEAR(room["nc"].get<double>(), Nc(levels), kTolerance);
    EXPECT_EQ(std::round(Nr(levels)), 32);  // so NR 30 is missed
    EXPECT_EQ(room["targetReached"], false);

    // The attenuator: the shortest row of the table, on equal length the thinner insulation,
    // whose insertion loss taken off the duct-borne levels brings the room to NR 30.
    const int diameter = 9;  // 250 mm in the attenuator table
    ASSERT_EQ(AttenuatorDiameters[diameter], 250);
    int chosenLength = -1;
    int chosenThickness = -1;
    Bands quieter{};
    for (int length = 0; length < kAttenuatorLengthCount && chosenLength < 0; ++length) {
        for (int thickness = 0; thickness < kInsulationCount && chosenLength < 0; ++thickness) {
            Bands with{};
            for (std::size_t k = 0; k < 8; ++k) {
                with[k] = levels[k] - InsertionLossTable[diameter][thickness][length][k];
            }
            if (std::round(Nr(with)) <= 30) {
                chosenLength = length;
                chosenThickness = thickness;
                quieter = with;
            }
        }
    }
    ASSERT_GE(chosenLength, 0);
    const Json& attenuator = room.at("attenuator");
    EXPECT_EQ(attenuator["length"], std::string(AttenuatorLengths[chosenLength].text));
    EXPECT_EQ(attenuator["thickness"], std::string(InsulationTexts[chosenThickness]));
    EXPECT_EQ(attenuator["length"], "0.50m");
    EXPECT_EQ(attenuator["thickness"], "25mm");
    ExpectBands(attenuator["levels"], quieter, "levels with the attenuator");
    EXPECT_NEAR(attenuator["nr"].get<double>(), Nr(quieter), kTolerance);
    EXPECT_NEAR(attenuator["summationLevel"].get<double>(), DbA(quieter), kTolerance);
    EXPECT_NEAR(attenuator["nc"].get<double>(), Nc(quieter), kTolerance);
    EXPECT_EQ(room["notes"], Json::array());
}

}  // namespace
}  // namespace lorvane::cli::test
