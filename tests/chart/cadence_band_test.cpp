#include "chart/cadence_band.h"

#include <gtest/gtest.h>

#include "res/strings.h"

namespace {

TEST(ReadCadenceBand, TakesTwoPlainNumbersLowNotAboveHighOrSaysWhyNot) {
    constexpr double kNone = -1;  // no band read
    const struct {
        const char* low;
        const char* high;
        double wantLow, wantHigh;
        const char* refusal;
    } cases[] = {
        {"80", "95", 80, 95, nullptr},
        {" 70.5\t", "+70.5 ", 70.5, 70.5, nullptr},
        {"1e2", "120", 100, 120, nullptr},
        {" ", "", kNone, kNone, nullptr},  // both empty: no band, and nothing wrong
        {"80", "", kNone, kNone, text::kBandNeedsBoth},
        {"", "95", kNone, kNone, text::kBandNeedsBoth},
        {"80rpm", "95", kNone, kNone, text::kBandNotNumber},
        {"80", "９５", kNone, kNone, text::kBandNotNumber},
        {"8 0", "95", kNone, kNone, text::kBandNotNumber},
        {"80", "inf", kNone, kNone, text::kBandNotNumber},
        {"80", "1e999", kNone, kNone, text::kBandNotNumber},
        {"0", "95", kNone, kNone, text::kBandNotAboveZero},
        {"80", "0", kNone, kNone, text::kBandNotAboveZero},
        {"-80", "95", kNone, kNone, text::kBandNotAboveZero},
        {"95.01", "95", kNone, kNone, text::kBandLowAboveHigh},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.low << "\" \"" << c.high << '"');
        const BandReading reading = ReadCadenceBand(c.low, c.high);
        EXPECT_EQ(reading.band ? reading.band->low : kNone, c.wantLow);
        EXPECT_EQ(reading.band ? reading.band->high : kNone, c.wantHigh);
        EXPECT_STREQ(reading.refusal, c.refusal);
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
