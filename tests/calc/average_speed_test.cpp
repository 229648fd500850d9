#include "calc/average_speed.h"

#include <gtest/gtest.h>

#include "res/resource_ids.h"
#include "res/strings.h"
#include "side_calc_cases.h"

namespace {

struct AverageSpeedCase {
    const char* distance;
    const char* time;
    const char* speed;
    bool minutes;
    ExpectedOutcome expected;
};

constexpr int kSpeed = IDC_AVG_SPEED;
constexpr int kDistance = IDC_AVG_DISTANCE;
constexpr int kTime = IDC_AVG_TIME;

// CP932 full-width "40".
constexpr char kFullWidth40[] = "\x82\x53\x82\x4f";

const AverageSpeedCase kCases[] = {
    // The empty box is worked out from the other two.
    {"40", "2", "", false, {text::kEnterTwoValues, kSpeed, "20.00"}},
    {"40", "90", "", true, {text::kEnterTwoValues, kSpeed, "26.67"}},
    {"", "30", "30", true, {text::kEnterTwoValues, kDistance, "15.00"}},
    {"", "1.5", "30", false, {text::kEnterTwoValues, kDistance, "45.00"}},
    {"45", "", "30", false, {text::kEnterTwoValues, kTime, "1.50"}},
    {"45", "", "30", true, {text::kEnterTwoValues, kTime, "90.00"}},
    {"40km", "2", "", false, {text::kEnterTwoValues, kSpeed, "20.00"}},
    {"-10", "2", "", false, {text::kEnterTwoValues, kSpeed, "-5.00"}},
    {"45", "", "-30", false, {text::kEnterTwoValues, kTime, "-1.50"}},
    // Only the first 23 bytes of a box are seen: 10^22 km, not 10^24.
    {"1000000000000000000000000", "1000000", "", false,
     {text::kEnterTwoValues, kSpeed, "10000000000000000.00"}},
    // A used value of 0, or text that reads as 0.
    {"0", "2", "", false, {text::kHalfWidthDigits}},
    {"km", "2", "", false, {text::kHalfWidthDigits}},
    {kFullWidth40, "2", "", false, {text::kHalfWidthDigits}},
    {" ", "2", "", false, {text::kHalfWidthDigits}},
    {"", "0", "30", false, {text::kHalfWidthDigits}},
    {"45", "", "0.0", false, {text::kHalfWidthDigits}},
    {"0.0000000000000000000001", "2", "", false, {text::kHalfWidthDigits}},  // all zeros in 23 bytes
    // Wrong number of filled boxes.
    {"40", "2", "20", false, {text::kAvgLeaveOneEmpty}},
    {"40", "2", " ", false, {text::kAvgLeaveOneEmpty}},
    {"", "", "", false, {text::kAvgFillTwo}},
    {"", "2", "", false, {text::kEnterTwoValues}},
    {"40", "", "", false, {text::kEnterTwoValues}},
    {"", "", "0", false, {text::kEnterTwoValues}},
    // A result needs at most 24 characters and a finite value.
    {"1e20", "1", "", false, {text::kEnterTwoValues, kSpeed, "100000000000000000000.00"}},
    {"-1e20", "1", "", false, {text::kNumbersTooLarge}},
    {"1e21", "1", "", false, {text::kNumbersTooLarge}},
    {"1e300", "1e-300", "", false, {text::kNumbersTooLarge}},
    {"1e400", "1e400", "", false, {text::kNumbersTooLarge}},
    {"", "1e400", "1e-400", false, {text::kHalfWidthDigits}},
};

TEST(SolveAverageSpeedTest, FollowsTheRowsOfItsTable) {
    int row = 0;
    for (const AverageSpeedCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << "row " << row++ << ": " << c.distance << " / "
                                        << c.time << " = " << c.speed);
        ExpectOutcome(SolveOnEmptyStack([&] {
                          return SolveAverageSpeed(c.distance, c.time, c.speed, c.minutes);
                      }),
                      c.expected);
    }
}

TEST(SolveAverageSpeedTest, TheTimeLabelFollowsTheUnitWhateverTheOutcome) {
    for (const char* distance : {"40", "", "0"}) {
        SCOPED_TRACE(distance);
        EXPECT_EQ(SolveAverageSpeed(distance, "2", "", true).timeLabel, text::kTimeLabelMinutes);
        EXPECT_EQ(SolveAverageSpeed(distance, "2", "", false).timeLabel, text::kTimeLabelHours);
    }
    EXPECT_EQ(SolveAverageSpeed("1", "2", "3", true).timeLabel, text::kTimeLabelMinutes);
}

}  // namespace
