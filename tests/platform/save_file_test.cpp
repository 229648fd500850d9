// The save path as every platform has it: text line ends, links, failures that keep the old
// file, and the check just before the file is put in place.
#include "platform/save_file.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/text_file.h"
#include "tests/support/save_interlude.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

TEST(SaveTextFile, WritesEachLineFeedAsCrLfAndKeepsThePermissions) {
    ScratchFolder folder;
    WriteBytes("f.txt", "old");
    const fs::perms rights = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions("f.txt", rights);
    ASSERT_TRUE(SaveTextFile("f.txt", "a\nb\n\nc"));
    EXPECT_EQ(ReadBytes("f.txt"), "a\r\nb\r\n\r\nc");
    EXPECT_EQ(fs::status("f.txt").permissions(), rights);
}

TEST(SaveTextFile, ReplacesTheFileBehindASymbolicLink) {
    ScratchFolder folder;
    // A chain of two links, the second relative to its own folder.
    fs::create_directory("real");
    WriteBytes("real/f.txt", "old");
    fs::create_symlink("f.txt", "real/link.txt");
    fs::create_symlink("real/link.txt", "f.txt");
    ASSERT_TRUE(SaveTextFile("f.txt", "new\n"));
    EXPECT_TRUE(fs::is_symlink("f.txt"));
    EXPECT_EQ(ReadBytes("real/f.txt"), "new\r\n");
    std::string text;
    EXPECT_EQ(ReadTextFile("f.txt", 100, text), TextReadResult::Read);  // read through it too
    EXPECT_EQ(text, "new\n");
}

TEST(SaveTextFile, LeavesTheOldFileWhenWritingFails) {
    ScratchFolder folder;
    WriteBytes("f.txt", "old\r\n");
    FailNextSave();
    EXPECT_EQ(SaveTextFile("f.txt", "new").failure, SaveFailure::Failed);
    EXPECT_EQ(ReadBytes("f.txt"), "old\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
}

}  // namespace
