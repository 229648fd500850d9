#include "platform/cp932.h"
#include "platform/cp932_codec.h"

#include <string>
#include <tuple>

#include <gtest/gtest.h>

namespace {

std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(Cp932, DecodesTextAndKeepsUndecodableBytesVisible) {
    const std::pair<std::string, std::string> cases[] = {
        {"あいう", U8(u8"あいう")},  // literals here are CP932 bytes
        {"ﾊﾞｰｼﾞｮﾝ", U8(u8"ﾊﾞｰｼﾞｮﾝ")},
        {"a\tb\n", "a\tb\n"},
        {std::string("x\0y", 3), U8(u8"x\uF700y")},
        {"a\rb", U8(u8"a\uF70Db")},                    // a lone CR is no line break
        {"\x7F", U8(u8"\uF77F")},                     // DEL, which a box would act on
        {"\xA0", U8(u8"\uF7A0")},
        {"\xFD\xFE\xFF", U8(u8"\uF7FD\uF7FE\uF7FF")},
        {"ok\x82", U8(u8"ok\uF782")},                  // lead byte at the end
        {"\x82 \x82\xA0", U8(u8"\uF782 あ")},          // lead byte before a space
        {"\x87\x90", U8(u8"≒")},
        // A lead byte that pairs with nothing, then a character with two byte forms
        // (ED40 and FA5C): written back as FA5C it would pair with the lead byte.
        {"\xEE\xED\x40", U8(u8"\uF7EE\uF7ED@")},
    };
    for (const auto& [cp932, utf8] : cases) EXPECT_EQ(Cp932ToUtf8(cp932), utf8) << cp932;
}

TEST(Cp932, EncodesEscapesBackAndMarksWhatItLacks) {
    const std::pair<std::string, std::string> cases[] = {
        {U8(u8"ゴールが頂上"), "ゴールが頂上"},
        {U8(u8"\uF700\uF70D\uF7FF"), std::string("\0\r\xFF", 3)},
        {U8(u8"a€b😀"), "a?b?"},
        {"\xFF" "a", "?a"},  // not UTF-8
        {U8(u8"≒"), "\x81\xE0"},  // one byte form of two
        {U8(u8"€\uF780€x\uF7FF"), "?\x80?x\xFF"},
    };
    for (const auto& [utf8, cp932] : cases) EXPECT_EQ(Utf8ToCp932(utf8), cp932) << utf8;
}

TEST(Utf8, ReadsOneSequenceAndTellsWhetherItIsWellFormed) {
    const std::tuple<std::string, char32_t, std::size_t, bool> cases[] = {
        {U8(u8"あx"), U'あ', 3, true},
        {U8(u8"😀"), U'😀', 4, true},
        {"\xE3\x81" "a", 0xFFFD, 2, false},  // broken off at the third byte
        {"\xE3\x81", 0xFFFD, 1, false},      // cut short by the end
        {"\x81", 0xFFFD, 1, false},          // no lead byte
        {"\xC0\xAF", U'/', 2, false},        // overlong
        {"\xED\xBF\xBF", 0xDFFF, 3, false},  // a surrogate
        {"\xF4\x90\x80\x80", 0x110000, 4, false},
        {"\xF8\x90\x80\x80", 0x10000, 4, false},  // no lead byte of UTF-8 today
    };
    for (const auto& [bytes, code, length, wellFormed] : cases) {
        const Utf8Sequence read = DecodeUtf8(bytes);
        EXPECT_EQ(std::tie(read.code, read.length, read.wellFormed), std::tie(code, length, wellFormed))
            << bytes;
    }
}

}  // namespace
