#include "calc/number_text.h"

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include <gtest/gtest.h>

namespace {

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

TEST(FormatFixed, RoundsTheSeventeenDigitStringHalfUp) {
    const std::pair<double, const char*> cases[] = {
        {14.625, "14.63"},          // glibc's printf gives 14.62
        {9.9996, "10.00"},
        {0.005, "0.01"},
        {-0.0, "-0.00"},
        {2.675, "2.67"},            // 2.6749999999999998 in 17 digits
        {1000000000000000.125, "1000000000000000.10"},  // 1.0000000000000001e15 in 17 digits
        {1e22, "10000000000000000000000.00"},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(Fixed2(value), expected) << value;
}

}  // namespace
