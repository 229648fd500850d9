// The platform's CP932 converter under platform/cp932.cpp, which adds the escapes, and the
// facts of both encodings that cp932.cpp states for every platform's converter.
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

// Whether b begins a two-byte CP932 character.
bool IsCp932LeadByte(unsigned char b);

// The UTF-8 sequence at the start of a text.
struct Utf8Sequence {
    char32_t code;       // U+FFFD where the sequence breaks off
    std::size_t length;  // the bytes it spans, at least 1: up to the first that breaks it
    bool wellFormed;     // whole, and neither overlong, a surrogate nor past U+10FFFF
};

// Reads the sequence at the start of utf8, which is not empty.
Utf8Sequence DecodeUtf8(std::string_view utf8);
