#include "platform/text_file.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/save_interlude.h"
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

TEST(ReplaceTextFile, WritesEachLineFeedAsCrLfAndKeepsThePermissions) {
    ScratchFolder folder;
    WriteBytes("f.txt", "old");
    fs::permissions("f.txt", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(ReplaceTextFile("f.txt", "a\nb\n\nc"));
    EXPECT_EQ(ReadBytes("f.txt"), "a\r\nb\r\n\r\nc");
    EXPECT_EQ(fs::status("f.txt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(ReplaceTextFile, ReplacesTheFileBehindASymbolicLink) {
    ScratchFolder folder;
    // A chain of two links, the second relative to its own folder.
    fs::create_directory("real");
    WriteBytes("real/f.txt", "old");
    fs::create_symlink("f.txt", "real/link.txt");
    fs::create_symlink("real/link.txt", "f.txt");
    ASSERT_TRUE(ReplaceTextFile("f.txt", "new\n"));
    EXPECT_TRUE(fs::is_symlink("f.txt"));
    EXPECT_EQ(ReadBytes("real/f.txt"), "new\r\n");
    std::string text;
    EXPECT_EQ(ReadTextFile("f.txt", 100, text), TextReadResult::Read);  // read through it too
    EXPECT_EQ(text, "new\n");
}

TEST(ReplaceTextFile, LeavesTheOldFileWhenWritingFails) {
    ScratchFolder folder;
    WriteBytes("f.txt", "old\r\n");
    FailNextSave();
    EXPECT_FALSE(ReplaceTextFile("f.txt", "new"));
    EXPECT_EQ(ReadBytes("f.txt"), "old\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
}

}  // namespace
