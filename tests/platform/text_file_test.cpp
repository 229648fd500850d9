#include "platform/text_file.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Pieces(const std::string& bytes, std::size_t maxBytes) {
    WriteBytes("f.txt", bytes);
    TextFileReader file("f.txt");
    std::vector<std::string> pieces;
    for (std::string_view piece; !(piece = file.ReadPiece(maxBytes)).empty();)
        pieces.emplace_back(piece);
    return pieces;
}

TEST(TextFileReader, ReadsCrLfAsOneLineFeedInPiecesOfBoundedSize) {
    ScratchFolder folder;
    using P = std::vector<std::string>;
    EXPECT_EQ(Pieces("", 9), P{});
    EXPECT_EQ(Pieces("ab\r\ncd", 9), (P{"ab\n", "cd"}));
    EXPECT_EQ(Pieces("a\rb\r\r\n\r", 9), (P{"a\rb\r\n", "\r"}));  // only CR LF pairs
    EXPECT_EQ(Pieces("abcd\r\n", 5), (P{"abcd\n"}));             // the pair still fits
    EXPECT_EQ(Pieces("abcde\r\n", 5), (P{"abcde", "\n"}));
    EXPECT_EQ(Pieces("abcde\n", 5), (P{"abcde", "\n"}));     // never more than maxBytes
    EXPECT_EQ(Pieces("abcdef\n", 5), (P{"abcde", "f\n"}));
    EXPECT_EQ(Pieces(std::string(200000, 'x') + "\r\n", TextFileReader::kMaxPiece).size(), 4u);
}

TEST(ReadTextFile, RefusesAFileLargerThanItsBound) {
    ScratchFolder folder;
    WriteBytes("f.txt", "12345\r\n");
    std::string text;
    EXPECT_EQ(ReadTextFile("f.txt", 6, text), TextReadResult::TooLarge);
    EXPECT_EQ(ReadTextFile("f.txt", 7, text), TextReadResult::Read);
    EXPECT_EQ(text, "12345\n");
}

}  // namespace
