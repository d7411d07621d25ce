#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "core/attenuator_table.h"
#include "tests/core/insulation_columns.h"

namespace lorvane {
namespace {

using test::k25mm;
using test::k50mm;

int DiameterPosition(double diameter) {
    return FindAttenuatorDiameter(diameter).value();
}

// The two columns that fall somewhere with growing length.
struct Column {
    double diameter;
    int insulation;
    int band;
};
constexpr Column kFallingColumns[] = {
    {400, k25mm, 1},  // 125 Hz, as the catalogue prints it
    {400, k50mm, 0},  // 63 Hz, an estimate with one dip
};

bool IsFallingColumn(int position, int insulation, int band) {
    for (const Column& column : kFallingColumns) {
        if (DiameterPosition(column.diameter) == position && column.insulation == insulation &&
            column.band == band) {
            return true;
        }
    }
    return false;
}

TEST(InsertionLossTable, ValuesAreMultiplesOfFiveHundredthsWithinTheCeilings) {
    for (int d = 0; d < kAttenuatorDiameterCount; ++d) {
        for (int t = 0; t < kInsulationCount; ++t) {
            const double ceiling = t == k25mm ? 50 : 53;
            for (int i = 0; i < kAttenuatorLengthCount; ++i) {
                SCOPED_TRACE(testing::Message() << "d=" << d << " t=" << t << " i=" << i);
                for (double value : InsertionLossTable[d][t][i]) {
                    EXPECT_GE(value, 0);
                    EXPECT_LE(value, ceiling);
                    EXPECT_NEAR(value * 20, std::round(value * 20), 1e-9) << value;
                }
            }
        }
    }
}

TEST(InsertionLossTable, GrowsWithLengthExceptTheTwoFallingColumns) {
    for (int d = 0; d < kAttenuatorDiameterCount; ++d) {
        for (int t = 0; t < kInsulationCount; ++t) {
            for (int k = 0; k < kOctaveCount; ++k) {
                int falls = 0;
                for (int i = 1; i < kAttenuatorLengthCount; ++i) {
                    falls += InsertionLossTable[d][t][i][k] < InsertionLossTable[d][t][i - 1][k];
                }
                SCOPED_TRACE(testing::Message() << "d=" << d << " t=" << t << " k=" << k);
                EXPECT_EQ(falls, IsFallingColumn(d, t, k) ? 1 : 0);
            }
        }
    }
}

// The catalogue rows, exactly as printed: diameter, insulation position, then one row per
// length with the bands 63 to 8000 Hz.
struct CatalogueRows {
    double diameter;
    int insulation;
    std::array<Octaves, kAttenuatorLengthCount> rows;
};

// clang-format off
const CatalogueRows kCatalogue[] = {
    {80, 0, {{{1, 2, 5, 10, 25, 40, 26, 19},
              {1, 2, 7.5, 14, 36, 45, 34, 23},
              {1, 2, 10, 18, 46, 50, 41, 27},
              {1, 2.5, 12, 23, 48, 50, 41, 30},
              {1.8, 3, 14.5, 27.5, 50, 50, 42, 33},
              {1.9, 3.5, 17, 34, 50, 50, 42.5, 37},
              {2, 4, 20, 38, 50, 50, 42.5, 40}}}},
    {250, 0, {{{0, 0, 1, 3, 8, 10, 7, 6},
               {0, 0.5, 1.5, 5, 12, 15, 9, 7},
               {0, 1, 2, 6, 17, 20, 10, 8},
               {0, 1, 2.5, 8, 21, 25, 13, 10},
               {0.5, 1.5, 3, 9, 25, 31, 15, 12},
               {1, 2, 3.5, 11, 30, 37, 17, 14},
               {1, 2, 4, 12, 34, 42, 20, 16}}}},
    {250, 1, {{{0, 1, 4, 8, 10, 11, 7, 6},
               {1, 2, 6, 11, 21, 16, 9, 7},
               {2, 3, 7, 15, 27, 21, 11, 8},
               {2.5, 4, 9, 18, 36, 25, 14, 10},
               {3, 4.5, 10, 22, 40, 30, 16, 12},
               {3.5, 5, 12, 26, 47, 34, 19, 14},
               {4, 6, 14, 30, 53, 38, 22, 16}}}},
    {250, 2, {{{2, 3, 6, 10, 21, 16, 7, 6},
               {2.5, 4, 9, 15, 29, 20, 9, 8},
               {3, 6, 13, 20, 38, 24, 12, 9},
               {4, 8, 16, 24, 43, 28, 14, 11},
               {4.5, 9, 19, 30, 49, 33, 17, 13},
               {5, 10, 23, 35, 53, 37, 19, 15},
               {6, 12, 26, 40, 53, 40, 22, 17}}}},
    {400, 0, {{{0, 0, 1, 2, 4, 4, 3, 2},
               {0.1, 0.5, 1.5, 2, 7, 7, 4, 3},
               {0.3, 1.5, 2, 3, 9, 8, 6, 4},
               {0.5, 1.4, 2.5, 4, 12, 11, 8, 6},
               {0.5, 1.8, 3, 5, 13, 12, 10, 7},
               {0.7, 1.9, 3.5, 5, 15, 15, 10, 7},
               {1, 2, 4, 6, 18, 16, 12, 8}}}},
};
// clang-format on

TEST(InsertionLossTable, HoldsTheCatalogueRowsExactly) {
    for (const CatalogueRows& catalogue : kCatalogue) {
        const int d = DiameterPosition(catalogue.diameter);
        for (int i = 0; i < kAttenuatorLengthCount; ++i) {
            SCOPED_TRACE(testing::Message() << catalogue.diameter << " mm, insulation "
                                            << catalogue.insulation << ", length " << i);
            EXPECT_EQ(InsertionLossTable[d][catalogue.insulation][i], catalogue.rows[i]);
        }
    }
}

}  // namespace
}  // namespace lorvane
