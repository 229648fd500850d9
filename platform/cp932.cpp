#include "platform/cp932.h"

#include <algorithm>

#include "platform/cp932_codec.h"

namespace {

constexpr char32_t kEscapeBase = 0xF700;

void AppendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Bytes that a text widget would change or act on: kept as escapes.
bool IsEscapedControl(unsigned char b) {
    return (b < 0x20 && b != '\t' && b != '\n') || b == 0x7F;
}

// Whether the two bytes are one character that encoding writes back in other bytes.
bool ChangesByteForm(std::string_view twoBytes) {
    if (twoBytes.size() < 2) return false;
    std::string utf8;
    return DecodeCp932Run(twoBytes, utf8) == 2 && Utf8ToCp932(utf8) != twoBytes;
}

// Where the next escape (U+F700 to U+F7FF, UTF-8 EF 9C 80 to EF 9F BF) begins, at or after
// pos; the text's size when there is none.
std::size_t FindEscape(std::string_view utf8, std::size_t pos) {
    for (;; ++pos) {
        pos = utf8.find('\xEF', pos);
        if (pos == std::string_view::npos || pos + 1 >= utf8.size()) return utf8.size();
        const auto next = static_cast<unsigned char>(utf8[pos + 1]);
        if (next >= 0x9C && next <= 0x9F) return pos;
    }
}

}  // namespace

bool IsCp932LeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

Utf8Sequence DecodeUtf8(std::string_view utf8) {
    const auto b0 = static_cast<unsigned char>(utf8[0]);
    const std::size_t n = b0 < 0x80 ? 1 : b0 >= 0xF0 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC0 ? 2 : 0;
    if (n == 0 || n > utf8.size()) return {0xFFFD, 1, false};
    char32_t c = n == 1 ? b0 : b0 & (0x7F >> n);
    for (std::size_t i = 1; i < n; ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if ((b & 0xC0) != 0x80) return {0xFFFD, i, false};
        c = (c << 6) | (b & 0x3F);
    }
    // The smallest code that needs n bytes.
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool wellFormed = n == 1 || (b0 <= 0xF4 && c >= kShortest[n] && c <= 0x10FFFF &&
                                       (c < 0xD800 || c > 0xDFFF));
    return {c, n, wellFormed};
}

std::string Cp932ToUtf8(std::string_view cp932) {
    std::string out;
    out.reserve(cp932.size() + cp932.size() / 2);
    // The next control byte is looked for once, not again behind every undecodable byte,
    // so that text full of those still converts in linear time.
    std::size_t pos = 0;
    std::size_t control = 0;
    while (pos < cp932.size()) {
        control = std::max(control, pos);
        while (control < cp932.size() && !IsEscapedControl(static_cast<unsigned char>(cp932[control])))
            ++control;
        pos += DecodeCp932Run(cp932.substr(pos, control - pos), out);
        if (pos >= cp932.size()) break;
        const auto stopped = static_cast<unsigned char>(cp932[pos++]);  // the byte it stopped at
        AppendUtf8(kEscapeBase + stopped, out);
        // An escaped lead byte would pair with the first byte of a following character that
        // is written back in its other byte form; that byte stays an escape too.
        if (IsCp932LeadByte(stopped) && ChangesByteForm(cp932.substr(pos, 2))) {
            AppendUtf8(kEscapeBase + static_cast<unsigned char>(cp932[pos]), out);
            ++pos;
        }
    }
    return out;
}

std::string Utf8ToCp932(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    // Escapes are turned back here rather than where the converter stops at them: each stop
    // costs the converter a restart.
    std::size_t pos = 0;
    std::size_t escape = FindEscape(utf8, 0);
    while (pos < utf8.size()) {
        if (escape < pos) escape = FindEscape(utf8, pos);
        pos += EncodeCp932Run(utf8.substr(pos, escape - pos), out);
        if (pos >= utf8.size()) break;
        const Utf8Sequence sequence = DecodeUtf8(utf8.substr(pos));
        pos += sequence.length;
        const char32_t c = sequence.code;
        out += c >= kEscapeBase && c < kEscapeBase + 0x100 ? static_cast<char>(c - kEscapeBase) : '?';
    }
    return out;
}
