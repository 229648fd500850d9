// Numbers as the boxes hold them: reading a box's text, writing a result with fixed decimals.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The leading decimal number of at most the first maxBytes bytes of text, as atof reads
// it: white space skipped, then sign, digits, point and exponent; the rest ignored; 0 when
// there is none. Only ASCII digits count.
double ReadNumber(std::string_view text, std::size_t maxBytes);

// The whole text as a finite decimal number (sign, digits, point, exponent), white space
// around it allowed; nothing when any of it is not part of one. For boxes whose number is
// checked, unlike the boxes that ReadNumber reads as the C library would.
std::optional<double> ReadWholeNumber(std::string_view text);

// "%.Nf" for decimals 1 to 3: the value is written with 17 significant digits and that
// digit string is rounded half up at the last decimal kept, with carry (14.625 gives
// "14.63" with 2). Nothing when the value is not finite or its text would need more than
// maxChars characters, the room of the box it is for.
std::optional<std::string> FormatFixed(double value, int decimals, std::size_t maxChars);
