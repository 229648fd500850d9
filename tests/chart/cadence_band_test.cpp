#include "chart/cadence_band.h"

#include <gtest/gtest.h>

#include "res/strings.h"

namespace {

TEST(ReadCadenceBand, TakesTwoPlainNumbersLowNotAboveHigh) {
    struct Case {
        const char* low;
        const char* high;
        double wantLow, wantHigh;
    };
    for (const Case& c : {Case{"80", "95", 80, 95}, Case{" 70.5\t", "+70.5 ", 70.5, 70.5},
                          Case{"1e2", "120", 100, 120}}) {
        const BandReading reading = ReadCadenceBand(c.low, c.high);
        ASSERT_TRUE(reading.band) << c.low << " " << c.high;
        EXPECT_EQ(reading.band->low, c.wantLow);
        EXPECT_EQ(reading.band->high, c.wantHigh);
        EXPECT_EQ(reading.refusal, nullptr);
    }
    const BandReading none = ReadCadenceBand(" ", "");
    EXPECT_FALSE(none.band);
    EXPECT_EQ(none.refusal, nullptr);
}

TEST(ReadCadenceBand, RefusesWithAMessage) {
    struct Case {
        const char* low;
        const char* high;
        const char* refusal;
    };
    for (const Case& c : {Case{"80", "", text::kBandNeedsBoth}, Case{"", "95", text::kBandNeedsBoth},
                          Case{"80rpm", "95", text::kBandNotNumber},
                          Case{"80", "９５", text::kBandNotNumber},
                          Case{"8 0", "95", text::kBandNotNumber},
                          Case{"80", "inf", text::kBandNotNumber},
                          Case{"80", "1e999", text::kBandNotNumber},
                          Case{"0", "95", text::kBandNotAboveZero},
                          Case{"80", "0", text::kBandNotAboveZero},
                          Case{"-80", "95", text::kBandNotAboveZero},
                          Case{"95.01", "95", text::kBandLowAboveHigh}}) {
        const BandReading reading = ReadCadenceBand(c.low, c.high);
        EXPECT_FALSE(reading.band) << c.low << " " << c.high;
        EXPECT_STREQ(reading.refusal, c.refusal) << c.low << " " << c.high;
    }
}

TEST(ComputeBandSpeeds, AreTheCellsSpeedsAtEachEnd) {
    struct Case {
        double chainring, sprocket, circumference, low, high;
        const char* wantLow;
        const char* wantHigh;
    };
    for (const Case& c : {Case{50, 14, 2100, 60, 95, "27.00", "42.75"},
                          Case{50, 12, 2100, 65, 85, "34.13", "44.63"},  // half up
                          Case{53, 11, 2096, 75, 105, "45.45", "63.62"},
                          Case{53, 0, 2096, 75, 105, "", ""},
                          Case{53, 11, 1e300, 75, 1e300, "####", "####"}}) {
        const BandSpeeds speeds =
            ComputeBandSpeeds(c.chainring, c.sprocket, c.circumference, {c.low, c.high});
        EXPECT_EQ(speeds.low, c.wantLow) << c.chainring << "x" << c.sprocket;
        EXPECT_EQ(speeds.high, c.wantHigh) << c.chainring << "x" << c.sprocket;
    }
}

}  // namespace
