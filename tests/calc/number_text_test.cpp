#include "calc/number_text.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
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

// Random text of number characters, read with the room of the speed table and of the side
// calculators, gives what the C library's strtod gives (the process keeps the "C" locale).
TEST(ReadNumber, AgreesWithStrtodOnRandomText) {
    std::mt19937 random(932);
    const std::string_view alphabet = "0123456789.eE+- \t";
    for (int i = 0; i < 20000; ++i) {
        std::string text(random() % 30, ' ');
        for (char& c : text) c = alphabet[random() % alphabet.size()];
        for (std::size_t room : {18, 23}) {
            const std::string seen = text.substr(0, room);
            char* end = nullptr;
            const double read = std::strtod(seen.c_str(), &end);
            // No number at all reads as 0 (Windows' strtod gives -0 behind a lone minus).
            EXPECT_EQ(std::bit_cast<std::uint64_t>(ReadNumber(text, room)),
                      std::bit_cast<std::uint64_t>(end == seen.c_str() ? 0.0 : read))
                << '"' << text << "\" in " << room;
        }
    }
}

// Two decimals, with room for any length.
std::string Fixed2(double value) {
    return FormatFixed(value, 2, std::numeric_limits<std::size_t>::max()).value();
}

// Worked cases; the reference below checks the rest of the doubles' range.
TEST(FormatFixed, RoundsTheSeventeenDigitStringHalfUp) {
    const std::pair<double, const char*> cases[] = {
        {14.625, "14.63"},          // glibc's printf gives 14.62
        {9.9996, "10.00"},
        {0.005, "0.01"},
        {0.0, "0.00"},
        {-0.001, "-0.00"},
        {-0.0, "-0.00"},
        {2.675, "2.67"},            // 2.6749999999999998 in 17 digits
        {1000000000000000.125, "1000000000000000.10"},  // 1.0000000000000001e15 in 17 digits
        {1e22, "10000000000000000000000.00"},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(Fixed2(value), expected) << value;
}

TEST(FormatFixed, AgreesWithAnExactDecimalReference) {
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> magnitude(-6, 18);
    std::uniform_int_distribution<int> cents(0, 100000);
    for (int i = 0; i < 900; ++i) {
        // A third sit on or next to a tie at the third decimal, a third anywhere among the
        // doubles (tiny, huge, subnormal).
        double value = i % 3 == 0   ? std::pow(10.0, magnitude(random))
                       : i % 3 == 1 ? (cents(random) * 10 + 5) / 1000.0
                                    : std::bit_cast<double>(random());
        if (!std::isfinite(value)) continue;
        if (i % 5 == 0) value = -value;
        ASSERT_EQ(Fixed2(value), ReferenceFixed2(value)) << std::hexfloat << value;
    }
}

}  // namespace
