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
    {"", "1000", "100", {text::kEnterTwoValues, kLength, "1.41"}},  // the slope, not the run
    {"", "100", "-5", {text::kEnterTwoValues, kLength, "2.00"}},
    // Gradient from slope length and height gain.
    {"2", "100", "", {text::kEnterTwoValues, kGradient, "5.01"}},
    {"-2", "100", "", {text::kEnterTwoValues, kGradient, "5.01"}},
    {"2", "-100", "", {text::kEnterTwoValues, kGradient, "-5.01"}},
    // The height gain is always needed.
    {"2", "", "5", {text::kGradNeedHeight}},
    // A used value of 0, or text that reads as 0; the zero test comes first.
    {"0", "100", "", {text::kHalfWidthDigits}},
    {"", "100", " ", {text::kHalfWidthDigits}},
    {"", "0", "5", {text::kHalfWidthDigits}},
    {"0", "", "5", {text::kHalfWidthDigits}},
    // Wrong number of filled boxes.
    {"2", "100", "5", {text::kGradLeaveOneEmpty}},
    {"", "", "", {text::kGradFillTwo}},
    {"", "", "0", {text::kEnterTwoValues}},
    // A height gain not below the slope length has no gradient.
    {"0.1", "100", "", {text::kGradHeightNotBelowLength}},
    {"0.05", "100", "", {text::kGradHeightNotBelowLength}},
    // Results that are not finite or do not fit their box.
    {"", "1e300", "1e-300", {text::kNumbersTooLarge}},
    {"", "1e25", "100", {text::kNumbersTooLarge}},
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

}  // namespace
