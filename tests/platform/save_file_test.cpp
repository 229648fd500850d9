// The save path as every platform has it: a failure keeps the old file.
#include "platform/save_file.h"

#include <gtest/gtest.h>

#include "tests/support/save_interlude.h"
#include "tests/support/scratch_folder.h"

namespace {

TEST(SaveTextFile, LeavesTheOldFileWhenWritingFails) {
    ScratchFolder folder;
    WriteBytes("f.txt", "old\r\n");
    FailNextSave();
    EXPECT_EQ(SaveTextFile("f.txt", "new").failure, SaveFailure::Failed);
    EXPECT_EQ(ReadBytes("f.txt"), "old\r\n");
    EXPECT_EQ(FilesIn(), 1u);
}

}  // namespace
