// Looking up a record's results by key: one rule for every output that reads a record.

#include <gtest/gtest.h>

#include <array>

#include "core/bands.h"
#include "forms/result_record.h"

namespace lorvane::forms {
namespace {

const ValueSpec kFirstLevel{"summationLevel", "Level", "dB(A)", "%5.1lf"};
const ValueSpec kLaterLevel{"summationLevel", "Level", "dB(A)", "%4.0lf"};
const ValueSpec kMissing{"velocity", "Velocity [m/s]", "m/s", "%5.1lf"};
const BandRowSpec kOctaves{.key = "octaveA",
                           .summationKey = "octaveSum",
                           .label = "A-weighted [dB(A)]",
                           .unit = "dB(A)",
                           .format = "%4.0lf",
                           .frequencies = OctaveBands};

TEST(ResultRecordLookup, TheLaterOfTwoItemsWithOneKeyCounts) {
    ResultRecord record;
    record.Add(kFirstLevel, 41.0);
    record.Add(kLaterLevel, 43.0);
    ASSERT_NE(record.FindValue("summationLevel"), nullptr);
    EXPECT_EQ(record.FindValue("summationLevel")->spec, &kLaterLevel);
    EXPECT_EQ(record.NumberAt("summationLevel"), 43.0);
    const std::optional<ShownNumber> shown = record.ShownNumberAt("summationLevel");
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->value, 43.0);
    EXPECT_EQ(shown->format, "%4.0lf");
}

TEST(ResultRecordLookup, ABandRowsSummationIsFoundByItsKey) {
    ResultRecord record;
    const std::array<double, 8> levels{1, 2, 3, 4, 5, 6, 7, 8};
    record.AddBands(kOctaves, levels, 12.5);
    EXPECT_EQ(record.NumberAt("octaveSum"), 12.5);
    EXPECT_EQ(record.ShownNumberAt("octaveSum")->format, "%4.0lf");
    EXPECT_NE(record.FindBands("octaveA"), nullptr);
    EXPECT_FALSE(record.NumberAt("octaveA"));  // a row of bands is no single number
}

TEST(ResultRecordLookup, WhatWasNotComputedOrCannotBeGivenIsAbsent) {
    ResultRecord record;
    record.Add(kFirstLevel, std::nullopt);  // beyond the model
    record.NotComputed(kMissing);           // not reached by this press
    EXPECT_FALSE(record.NumberAt("summationLevel"));
    EXPECT_FALSE(record.ShownNumberAt("summationLevel"));
    EXPECT_EQ(record.FindValue("velocity"), nullptr);
    EXPECT_FALSE(record.NumberAt("velocity"));
    EXPECT_FALSE(record.NumberAt("noSuchKey"));
}

}  // namespace
}  // namespace lorvane::forms
