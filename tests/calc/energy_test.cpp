#include "calc/energy.h"

#include <gtest/gtest.h>

#include "res/resource_ids.h"
#include "res/strings.h"
#include "side_calc_cases.h"

namespace {

struct EnergyCase {
    const char* distance;
    const char* weight;
    const char* height;
    const char* gradient;
    int speedClass;
    ExpectedOutcome expected;
};

constexpr int kResult = IDC_ENERGY_RESULT;
constexpr int kNoClass = -1;

const EnergyCase kCases[] = {
    // A flat ride; the climbs below use the other two classes.
    {"40", "", "", "", 0, {text::kEnergyClimbIncomplete, kResult, "638.73"}},
    {"-40", "", "", "", 0, {text::kEnergyClimbIncomplete, kResult, "-638.73"}},
    {"100000", "", "", "", 0, {text::kEnergyClimbIncomplete, kResult, "1596814.62"}},
    // A ride with a climb; a short one ends below 0.
    {"40", "70", "500", "5", 1, {text::kEnergySummitHint, kResult, "983.90"}},
    {"1", "10", "500", "1", 2, {text::kEnergySummitHint, kResult, "-1083.71"}},
    // Missing distance or a climb given in part.
    {"", "", "", "", 0, {text::kEnergyNeedDistance}},
    {"", "70", "", "", 0, {text::kEnergyClimbIncomplete}},
    {"40", "0", "", "", 0, {text::kEnergyClimbIncomplete}},  // before the zero test
    {"40", "70", "500", "", 1, {text::kEnergyClimbIncomplete}},
    // A used value of 0, or text that reads as 0.
    {"0", "", "", "", 0, {text::kHalfWidthDigits}},
    {" ", "", "", "", 0, {text::kHalfWidthDigits}},
    {"40", "0", "500", "5", 1, {text::kHalfWidthDigits}},
    // No speed class chosen: nothing to compute with, every other outcome as before.
    {"40", "", "", "", kNoClass, {text::kEnergyNeedDistance}},
    {"40", "", "", "", 3, {text::kEnergyNeedDistance}},
    {"0", "", "", "", kNoClass, {text::kHalfWidthDigits}},
    {"40", "70", "", "", kNoClass, {text::kEnergyClimbIncomplete}},
    // Results that are not finite or do not fit their box.
    {"1e300", "", "", "", 0, {text::kNumbersTooLarge}},
    {"40", "70", "1e300", "1e-300", 1, {text::kNumbersTooLarge}},
};

TEST(SolveEnergyTest, FollowsTheRowsOfItsTable) {
    int row = 0;
    for (const EnergyCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << "row " << row++ << ": " << c.distance << ", " << c.weight
                                        << ", " << c.height << ", " << c.gradient << ", class "
                                        << c.speedClass);
        ExpectOutcome(SolveOnEmptyStack([&] {
                          return SolveEnergy(c.distance, c.weight, c.height, c.gradient, c.speedClass);
                      }),
                      c.expected);
    }
}

}  // namespace
