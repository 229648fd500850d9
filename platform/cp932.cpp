#include "platform/cp932.h"

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

// Decodes one UTF-8 sequence at the start of s; returns its length (1 for a broken one).
std::size_t DecodeUtf8(std::string_view s, char32_t& c) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    const std::size_t n = b0 < 0x80 ? 1 : b0 >= 0xF0 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC0 ? 2 : 0;
    if (n == 0 || n > s.size()) {
        c = 0xFFFD;
        return 1;
    }
    c = n == 1 ? b0 : b0 & (0x7F >> n);
    for (std::size_t i = 1; i < n; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) {
            c = 0xFFFD;
            return i;
        }
        c = (c << 6) | (b & 0x3F);
    }
    return n;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
    std::string out;
    out.reserve(cp932.size() + cp932.size() / 2);
    while (!cp932.empty()) {
        std::size_t run = 0;
        while (run < cp932.size() && !IsEscapedControl(static_cast<unsigned char>(cp932[run])))
            ++run;
        const std::size_t taken = DecodeCp932Run(cp932.substr(0, run), out);
        const std::size_t skip = taken < cp932.size() ? 1 : 0;  // the byte it stopped at
        if (skip) AppendUtf8(kEscapeBase + static_cast<unsigned char>(cp932[taken]), out);
        cp932.remove_prefix(taken + skip);
    }
    return out;
}

std::string Utf8ToCp932(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const std::size_t taken = EncodeCp932Run(utf8, out);
        utf8.remove_prefix(taken);
        if (utf8.empty()) break;
        char32_t c = 0;
        utf8.remove_prefix(DecodeUtf8(utf8, c));
        out += c >= kEscapeBase && c < kEscapeBase + 0x100 ? static_cast<char>(c - kEscapeBase) : '?';
    }
    return out;
}
