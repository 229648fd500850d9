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
        {"80rpm", "95", kNone, kNone, text::kBandNotNumber},
        {"8 0", "95", kNone, kNone, text::kBandNotNumber},
        {"80", "1e999", kNone, kNone, text::kBandNotNumber},
        {"0", "95", kNone, kNone, text::kBandNotAboveZero},
        {"80", "0", kNone, kNone, text::kBandNotAboveZero},
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

}  // namespace
