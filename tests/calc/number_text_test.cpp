#include "calc/number_text.h"

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/decimal_reference.h"

namespace {

struct ReadCase {
    const char* text;
    std::size_t maxBytes;
    double expected;
};

TEST(ReadNumber, ReadsTheLeadingNumberAsAtofDoes) {
    const double inf = std::numeric_limits<double>::infinity();
    const ReadCase cases[] = {
        {"90", 18, 90}, {"50T", 18, 50}, {"5,5", 18, 5}, {"", 18, 0},
        {"abc", 18, 0},
        {"１２", 18, 0},  // full-width digits are not digits
        {" \t\n\v\f\r42", 18, 42}, {"+7", 18, 7}, {"-12.5e1km", 18, -125}, {".5", 18, 0.5},
        {"5.", 18, 5}, {".", 18, 0}, {"- 3", 18, 0}, {"1e", 18, 1},
        {"1e+", 18, 1}, {"2E-2", 18, 0.02}, {"inf", 18, 0}, {"nan", 18, 0},
        {"0x10", 18, 0}, {"1e999", 18, inf}, {"-1e999", 18, -inf}, {"0.1e400", 18, inf},
        {"1e-999", 18, 0}, {"123456789e-400", 18, 0},
        // Only the first bytes are seen: the 21-character value cut to 18 reads as 0.
        {"0.0000000000000000001", 18, 0},
        {"1234567890123456789", 18, 123456789012345678.0},
        {"12345678901234567890123456", 23, 12345678901234567890123.0},
        {"1e5", 2, 1},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(ReadNumber(c.text, c.maxBytes), c.expected) << '"' << c.text << '"';
}

TEST(FormatFixed2, RoundsTheSeventeenDigitStringHalfUp) {
    const std::pair<double, const char*> cases[] = {
        {14.625, "14.63"},          // glibc's printf gives 14.62
        {0.125, "0.13"},
        {9.9996, "10.00"},
        {99.999, "100.00"},
        {0.005, "0.01"},
        {0.004999, "0.00"},
        {0.0001, "0.00"},
        {0.0, "0.00"},
        {-5.0, "-5.00"},
        {-0.001, "-0.00"},
        {-0.0, "-0.00"},
        {2.675, "2.67"},            // 2.6749999999999998 in 17 digits
        {1000000000000000.125, "1000000000000000.10"},  // 1.0000000000000001e15 in 17 digits
        {123456.789, "123456.79"},
        {1e16, "10000000000000000.00"},
        {1e22, "10000000000000000000000.00"},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(FormatFixed2(value), expected) << value;
}

TEST(FormatFixed2, RefusesWhatDoesNotFitItsRoom) {
    EXPECT_EQ(FormatFixed2Within(1e15, 19), "1000000000000000.00");
    EXPECT_EQ(FormatFixed2Within(1e16, 19), std::nullopt);
    EXPECT_EQ(FormatFixed2Within(std::numeric_limits<double>::infinity(), 24), std::nullopt);
    EXPECT_EQ(FormatFixed2Within(std::nan(""), 24), std::nullopt);
}

TEST(FormatFixed2, AgreesWithAnExactDecimalReference) {
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> magnitude(-6, 18);
    std::uniform_int_distribution<int> cents(0, 100000);
    for (int i = 0; i < 400; ++i) {
        // Half of them sit on or next to a tie at the third decimal.
        double value = i % 2 ? std::pow(10.0, magnitude(random))
                             : (cents(random) * 10 + 5) / 1000.0;
        if (i % 3 == 0) value = -value;
        ASSERT_EQ(FormatFixed2(value), ReferenceFixed2(value)) << std::hexfloat << value;
    }
}

}  // namespace
