// The save path as every platform has it: links, and failures that keep the old file.
#include "platform/save_file.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/text_file.h"
#include "tests/support/save_interlude.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

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
    EXPECT_EQ(FilesIn(), 1u);
}

}  // namespace
