#include "calc/number_text.h"

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include <gtest/gtest.h>

namespace {

struct ReadCase {
    const char* text;
    std::size_t maxBytes;
    double expected;
};

TEST(ReadNumber, ReadsTheLeadingNumberAsAtofDoes) {
    const double inf = std::numeric_limits<double>::infinity();
    const ReadCase cases[] = {
        {"90", 18, 90},
        {"50T", 18, 50},
        {"5,0", 18, 5},
        {"", 18, 0},
        {"abc", 18, 0},
        {"１２", 18, 0},  // full-width digits are not digits
        {" \t\n\v\f\r42", 18, 42},
        {"+7", 18, 7},
        {"-12.5e1km", 18, -125},
        {".5", 18, 0.5},
        {"5.", 18, 5},
        {".", 18, 0},
        {"- 3", 18, 0},
        {"1e", 18, 1},
        {"1e+", 18, 1},
        {"2E-2", 18, 0.02},
        {"inf", 18, 0},
        {"nan", 18, 0},
        {"0x10", 18, 0},
        {"1e999", 18, inf},
        {"-1e999", 18, -inf},
        {"0.1e400", 18, inf},
        {"1e-999", 18, 0},
        {"123456789e-400", 18, 0},
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

// Exact decimal digits of a finite non-negative double: (digits, position of the point).
std::pair<std::string, int> ExactDecimal(double value) {
    int exponent = 0;
    const double mantissa = std::frexp(value, &exponent);
    auto m = static_cast<unsigned long long>(std::ldexp(mantissa, 53));
    exponent -= 53;
    std::string digits = std::to_string(m);  // most significant first
    auto multiply = [&digits](int factor) {
        int carry = 0;
        for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
            const int d = (*it - '0') * factor + carry;
            *it = static_cast<char>('0' + d % 10);
            carry = d / 10;
        }
        while (carry) {
            digits.insert(digits.begin(), static_cast<char>('0' + carry % 10));
            carry /= 10;
        }
    };
    int point = 0;  // digits to the right of the point
    for (; exponent > 0; --exponent) multiply(2);
    for (; exponent < 0; ++exponent, ++point) multiply(5);
    return {digits, static_cast<int>(digits.size()) - point};
}

// The reference: exact value, rounded to 17 significant digits (to nearest, ties to
// even, as the C library writes them), then half up at the second decimal.
std::string ReferenceFixed2(double value) {
    auto [digits, intDigits] = ExactDecimal(std::fabs(value));
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return std::signbit(value) ? "-0.00" : "0.00";
    digits.erase(0, first);
    intDigits -= static_cast<int>(first);
    if (digits.size() > 17) {
        const bool tail = digits.find_first_not_of('0', 18) != std::string::npos;
        bool up = digits[17] > '5' || (digits[17] == '5' && (tail || (digits[16] - '0') % 2));
        digits.resize(17);
        for (std::size_t i = 17; up && i-- > 0;) {
            up = digits[i] == '9';
            digits[i] = up ? '0' : static_cast<char>(digits[i] + 1);
        }
        if (up) digits.insert(digits.begin(), '1'), ++intDigits;
    }
    if (intDigits < 0) digits.insert(0, static_cast<std::size_t>(-intDigits), '0'), intDigits = 0;
    digits.append(static_cast<std::size_t>(intDigits + 3), '0');
    bool up = digits[intDigits + 2] >= '5';
    digits.resize(static_cast<std::size_t>(intDigits + 2));
    for (std::size_t i = digits.size(); up && i-- > 0;) {
        up = digits[i] == '9';
        digits[i] = up ? '0' : static_cast<char>(digits[i] + 1);
    }
    if (up) digits.insert(digits.begin(), '1'), ++intDigits;
    std::string whole = digits.substr(0, intDigits);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.empty()) whole = "0";
    return (std::signbit(value) ? "-" : "") + whole + "." + digits.substr(intDigits);
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
