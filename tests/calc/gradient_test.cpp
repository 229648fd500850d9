#include "calc/gradient.h"

#include <gtest/gtest.h>

#include "res/resource_ids.h"
#include "res/strings.h"
#include "side_calc_cases.h"

namespace {

struct GradientCase {
    const char* length;
    const char* height;
    const char* gradient;
    ExpectedOutcome expected;
};

constexpr int kLength = IDC_GRAD_LENGTH;
constexpr int kGradient = IDC_GRAD_GRADIENT;

const GradientCase kCases[] = {
    // Slope length from height gain and gradient.
    {"", "100", "5", {text::kEnterTwoValues, kLength, "2.00"}},
    {"", "50", "10", {text::kEnterTwoValues, kLength, "0.50"}},
    {"", "1000", "100", {text::kEnterTwoValues, kLength, "1.41"}},
    {"", "100", "-5", {text::kEnterTwoValues, kLength, "2.00"}},
    // Gradient from slope length and height gain.
    {"2", "100", "", {text::kEnterTwoValues, kGradient, "5.01"}},
    {"1", "50", "", {text::kEnterTwoValues, kGradient, "5.01"}},
    {"-2", "100", "", {text::kEnterTwoValues, kGradient, "5.01"}},
    {"2", "-100", "", {text::kEnterTwoValues, kGradient, "-5.01"}},
    {"2km", "100m", "", {text::kEnterTwoValues, kGradient, "5.01"}},
    // The height gain is always needed.
    {"2", "", "5", {text::kGradNeedHeight}},
    // A used value of 0, or text that reads as 0; the zero test comes first.
    {"0", "100", "", {text::kHalfWidthDigits}},
    {"abc", "100", "", {text::kHalfWidthDigits}},
    {"", "100", " ", {text::kHalfWidthDigits}},
    {"", "0", "5", {text::kHalfWidthDigits}},
    {"0", "", "5", {text::kHalfWidthDigits}},
    {"2", "", "0", {text::kHalfWidthDigits}},
    // Only the first 23 bytes of a box are seen, here all zeros.
    {"0.0000000000000000000001", "100", "", {text::kHalfWidthDigits}},
    // Wrong number of filled boxes.
    {"2", "100", "5", {text::kGradLeaveOneEmpty}},
    {"", "", "", {text::kGradFillTwo}},
    {"2", "", "", {text::kEnterTwoValues}},
    {"", "100", "", {text::kEnterTwoValues}},
    {"", "", "0", {text::kEnterTwoValues}},
    // A height gain not below the slope length has no gradient.
    {"0.1", "100", "", {text::kGradHeightNotBelowLength}},
    {"0.05", "100", "", {text::kGradHeightNotBelowLength}},
    {"0.1", "-100", "", {text::kGradHeightNotBelowLength}},
    // Results that are not finite or do not fit their box.
    {"", "1e300", "1e-300", {text::kNumbersTooLarge}},
    {"", "1e25", "100", {text::kNumbersTooLarge}},
    {"1e400", "1e400", "", {text::kNumbersTooLarge}},
};

TEST(SolveGradientTest, FollowsTheRowsOfItsTable) {
    int row = 0;
    for (const GradientCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << "row " << row++ << ": " << c.length << ", "
                                        << c.height << ", " << c.gradient);
        ExpectOutcome(SolveOnEmptyStack([&] { return SolveGradient(c.length, c.height, c.gradient); }),
                      c.expected);
    }
}

TEST(SlopeLengthTest, IsTheHypotenuseOfRunAndRiseInKm) {
    OperandStack& stack = OperandStack::Instance();
    EXPECT_DOUBLE_EQ(SlopeLengthKm(stack, 300, 75), 0.5);  // run 400 m, rise 300 m
    EXPECT_EQ(stack.Count(), 0);
}

}  // namespace
