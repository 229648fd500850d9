// The three side calculators' window-free solvers, each against a table of rows.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "calc/average_speed.h"
#include "calc/energy.h"
#include "calc/gradient.h"
#include "calc/operand_stack.h"
#include "res/strings.h"

namespace {

using Q = SideQuantity;

// What a row of a side calculator's table expects: its status and, when a quantity is
// named, its result text.
struct ExpectedOutcome {
    const char* status;
    std::optional<Q> quantity = std::nullopt;
    const char* text = "";
};

// Runs solve on each row, on one stack, which it must leave empty and without a message;
// names the row of a failure.
template <class Case, std::size_t N, class Solve>
void ExpectRows(const Case (&rows)[N], Solve solve) {
    OperandStack stack;
    std::vector<std::string> reports;
    stack.SetReporter([&reports](std::string_view message) { reports.emplace_back(message); });
    for (std::size_t i = 0; i < N; ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i);
        const SideCalcResult outcome = solve(stack, rows[i]);
        const ExpectedOutcome& expected = rows[i].expected;
        EXPECT_EQ(outcome.status, expected.status);
        EXPECT_EQ(outcome.result ? std::optional(outcome.result->quantity) : std::nullopt,
                  expected.quantity);
        EXPECT_EQ(outcome.result ? outcome.result->text : "", expected.text);
        EXPECT_EQ(stack.Count(), 0);
    }
    EXPECT_EQ(reports, std::vector<std::string>{});
}

struct AverageSpeedCase {
    const char *distance, *time, *speed;
    bool minutes;
    ExpectedOutcome expected;
};

// CP932 full-width "40".
constexpr char kFullWidth40[] = "\x82\x53\x82\x4f";

const AverageSpeedCase kAverageSpeedRows[] = {
    // The empty box is worked out from the other two.
    {"40", "90", "", true, {text::kEnterTwoValues, Q::AverageSpeed, "26.67"}},
    {"", "30", "30", true, {text::kEnterTwoValues, Q::Distance, "15.00"}},
    {"45", "", "30", true, {text::kEnterTwoValues, Q::Time, "90.00"}},
    // Only the first 23 bytes of a box are seen: 10^22 km, not 10^24.
    {"1000000000000000000000000", "1000000", "", false,
     {text::kEnterTwoValues, Q::AverageSpeed, "10000000000000000.00"}},
    // A used value of 0, or text that reads as 0.
    {"0", "2", "", false, {text::kHalfWidthDigits}},
    {kFullWidth40, "2", "", false, {text::kHalfWidthDigits}},
    // Wrong number of filled boxes.
    {"40", "2", "20", false, {text::kAvgLeaveOneEmpty}},
    {"", "", "", false, {text::kAvgFillTwo}},
    {"", "", "0", false, {text::kEnterTwoValues}},  // one box filled: the status stays
    // A result needs at most 24 characters and a finite value.
    {"1e20", "1", "", false, {text::kEnterTwoValues, Q::AverageSpeed, "100000000000000000000.00"}},
    {"1e300", "1e-300", "", false, {text::kNumbersTooLarge}},
};

TEST(SolveAverageSpeed, FollowsTheRowsOfItsTable) {
    ExpectRows(kAverageSpeedRows, [](OperandStack& stack, const AverageSpeedCase& c) {
        return SolveAverageSpeed(stack, c.distance, c.time, c.speed, c.minutes);
    });
}

struct GradientCase {
    const char *length, *height, *gradient;
    ExpectedOutcome expected;
};

const GradientCase kGradientRows[] = {
    // Slope length from height gain and gradient.
    {"", "100", "5", {text::kEnterTwoValues, Q::SlopeLength, "2.00"}},
    {"", "1000", "100", {text::kEnterTwoValues, Q::SlopeLength, "1.41"}},  // slope, not run
    // Gradient from slope length and height gain.
    {"2", "100", "", {text::kEnterTwoValues, Q::Gradient, "5.01"}},
    {"-2", "100", "", {text::kEnterTwoValues, Q::Gradient, "5.01"}},
    {"2", "-100", "", {text::kEnterTwoValues, Q::Gradient, "-5.01"}},
    // The height gain is always needed.
    {"2", "", "5", {text::kGradNeedHeight}},
    // A used value of 0; the zero test comes first.
    {"0", "100", "", {text::kHalfWidthDigits}},
    {"", "0", "5", {text::kHalfWidthDigits}},
    // Wrong number of filled boxes.
    {"2", "100", "5", {text::kGradLeaveOneEmpty}},
    {"", "", "", {text::kGradFillTwo}},
    {"", "", "0", {text::kEnterTwoValues}},
    // A height gain not below the slope length has no gradient.
    {"0.1", "100", "", {text::kGradHeightNotBelowLength}},
    {"0.05", "100", "", {text::kGradHeightNotBelowLength}},
    // Results that are not finite.
    {"", "1e300", "1e-300", {text::kNumbersTooLarge}},
};

TEST(SolveGradient, FollowsTheRowsOfItsTable) {
    ExpectRows(kGradientRows, [](OperandStack& stack, const GradientCase& c) {
        return SolveGradient(stack, c.length, c.height, c.gradient);
    });
}

struct EnergyCase {
    const char *distance, *weight, *height, *gradient;
    int speedClass;
    ExpectedOutcome expected;
};

constexpr int kNoClass = -1;

const EnergyCase kEnergyRows[] = {
    // A flat ride; the climbs below use the other two classes.
    {"40", "", "", "", 0, {text::kEnergyClimbIncomplete, Q::Energy, "638.73"}},
    {"100000", "", "", "", 0, {text::kEnergyClimbIncomplete, Q::Energy, "1596814.62"}},
    // A ride with a climb; a short one ends below 0.
    {"40", "70", "500", "5", 1, {text::kEnergySummitHint, Q::Energy, "983.90"}},
    {"1", "10", "500", "1", 2, {text::kEnergySummitHint, Q::Energy, "-1083.71"}},
    // Missing distance or a climb given in part.
    {"", "", "", "", 0, {text::kEnergyNeedDistance}},
    {"40", "0", "", "", 0, {text::kEnergyClimbIncomplete}},  // before the zero test
    {"40", "70", "500", "", 1, {text::kEnergyClimbIncomplete}},
    // A used value of 0.
    {"0", "", "", "", 0, {text::kHalfWidthDigits}},
    {"40", "0", "500", "5", 1, {text::kHalfWidthDigits}},
    // No speed class chosen, or one the list lacks: nothing to compute with.
    {"40", "", "", "", kNoClass, {text::kEnergyNeedDistance}},
    {"40", "", "", "", 3, {text::kEnergyNeedDistance}},
    // A result that does not fit its box.
    {"1e300", "", "", "", 0, {text::kNumbersTooLarge}},
};

TEST(SolveEnergy, FollowsTheRowsOfItsTable) {
    ExpectRows(kEnergyRows, [](OperandStack& stack, const EnergyCase& c) {
        return SolveEnergy(stack, c.distance, c.weight, c.height, c.gradient, c.speedClass);
    });
}

}  // namespace
