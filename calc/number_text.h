// Numbers as the boxes hold them: reading a box's text, writing a result with two decimals.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The leading decimal number of at most the first maxBytes bytes of text, as atof reads
// it: white space skipped, then sign, digits, point and exponent; the rest ignored; 0 when
// there is none. Only ASCII digits count.
double ReadNumber(std::string_view text, std::size_t maxBytes);

// "%.2f": the value is written with 17 significant digits and that digit string is rounded
// half up at the second decimal, with carry (14.625 gives "14.63").
std::string FormatFixed2(double value);

// FormatFixed2 for a box of limited room: nothing when the value is not finite or its
// text would need more than maxChars characters.
std::optional<std::string> FormatFixed2Within(double value, std::size_t maxChars);

// FormatFixed2Within with the given number of decimals (1 to 3), rounded the same way.
std::optional<std::string> FormatFixedWithin(double value, int decimals, std::size_t maxChars);
