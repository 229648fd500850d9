// The platform's CP932 converter under platform/cp932.cpp, which adds the escapes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Decodes the longest prefix of cp932 that is whole CP932 characters onto utf8; returns
// how many bytes it took.
std::size_t DecodeCp932Run(std::string_view cp932, std::string& utf8);

// Encodes the longest prefix of utf8 that is valid UTF-8 of characters CP932 has onto
// cp932; returns how many bytes it took.
std::size_t EncodeCp932Run(std::string_view utf8, std::string& cp932);
