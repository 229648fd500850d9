// White space as the C library's isspace has it in the "C" locale: space, tab, line feed,
// vertical tab, form feed and carriage return.
#pragma once

#include <string>
#include <string_view>

inline constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

inline bool IsWhiteSpace(char c) { return kWhiteSpace.find(c) != std::string_view::npos; }

// text without the white space at its beginning and its end.
std::string TrimWhiteSpace(std::string_view text);
