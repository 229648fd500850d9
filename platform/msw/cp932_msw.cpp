// CP932 through the Windows code-page API, always code page 932 (never the process's
// ANSI page), giving the same characters as glibc's CP932 on Linux.
#include "platform/cp932_codec.h"

#include <windows.h>

namespace {

constexpr UINT kCodePage = 932;

// glibc's CP932 encodes these look-alikes one way; Windows does only as a best fit,
// which would also fold many other characters. Kept so both builds write the same bytes.
struct OneWay {
    char32_t c;
    const char* bytes;
};
constexpr OneWay kOneWay[] = {
    {0x00A2, "\x81\x91"}, {0x00A3, "\x81\x92"}, {0x00A5, "\x5C"},
    {0x00AC, "\x81\xCA"}, {0x2014, "\x81\x5C"}, {0x2016, "\x81\x61"},
    {0x203E, "\x7E"},     {0x2212, "\x81\x7C"}, {0x301C, "\x81\x60"},
};

bool IsKanaByte(unsigned char b) { return b >= 0xA1 && b <= 0xDF; }

// Windows also maps 0x80, 0xA0 and 0xFD to 0xFF and their Unicode partners; glibc has
// no such characters, and neither do we.
bool IsWindowsOnly(char32_t c) { return c == 0x80 || (c >= 0xF8F0 && c <= 0xF8F3); }

void AppendUtf8(const std::wstring& wide, std::string& out) {
    if (wide.empty()) return;
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(n));
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &out[at], n,
                        nullptr, nullptr);
}

// Appends the CP932 form of c; false when CP932 has no such character.
bool EncodeOne(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
        return true;
    }
    for (const OneWay& one : kOneWay) {
        if (one.c == c) {
            out += one.bytes;
            return true;
        }
    }
    if (c > 0xFFFF || IsWindowsOnly(c)) return false;
    const wchar_t wide = static_cast<wchar_t>(c);
    char bytes[2];
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes,
                                      sizeof bytes, nullptr, &usedDefault);
    if (n <= 0 || usedDefault) return false;
    out.append(bytes, static_cast<std::size_t>(n));
    return true;
}

}  // namespace

std::size_t DecodeCp932Run(std::string_view cp932, std::string& utf8) {
    std::wstring wide;
    std::size_t i = 0;
    while (i < cp932.size()) {
        const auto b = static_cast<unsigned char>(cp932[i]);
        if (b < 0x80) {
            wide += static_cast<wchar_t>(b);
            ++i;
            continue;
        }
        if (!IsCp932LeadByte(b) && !IsKanaByte(b)) break;
        const std::size_t length = IsCp932LeadByte(b) ? 2 : 1;
        if (i + length > cp932.size()) break;
        wchar_t c[2];
        if (MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, cp932.data() + i,
                                static_cast<int>(length), c, 2) != 1)
            break;
        wide += c[0];
        i += length;
    }
    AppendUtf8(wide, utf8);
    return i;
}

std::size_t EncodeCp932Run(std::string_view utf8, std::string& cp932) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        const Utf8Sequence sequence = DecodeUtf8(utf8.substr(i));
        if (!sequence.wellFormed || !EncodeOne(sequence.code, cp932)) break;
        i += sequence.length;
    }
    return i;
}
