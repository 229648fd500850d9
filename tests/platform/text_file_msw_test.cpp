// Saving as Windows has it: the read-only attribute, and the temporary names of saves
// ended before their time.
#include "platform/text_file.h"

#include <filesystem>

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

TEST(ReplaceTextFile, RefusesAReadOnlyFile) {
    ScratchFolder folder;
    WriteBytes("f.txt", "old");
    ASSERT_TRUE(SetFileAttributesA("f.txt", FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(ReplaceTextFile("f.txt", "new"));
    EXPECT_EQ(ReadBytes("f.txt"), "old");
    EXPECT_EQ(GetFileAttributesA("f.txt") & FILE_ATTRIBUTE_READONLY, DWORD{FILE_ATTRIBUTE_READONLY});
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
    SetFileAttributesA("f.txt", FILE_ATTRIBUTE_NORMAL);
}

// The next save removes what saves ended before their time left, and nothing else.
TEST(ReplaceTextFile, RemovesTheTemporaryFilesOfKilledSaves) {
    ScratchFolder folder;
    for (const char* name : {"f.txt", "vel1A2F.tmp", "velC.tmp", "vel12345.tmp", "velvet.tmp", "vel1A2F.tmp.bak"})
        WriteBytes(name, "x");
    ASSERT_TRUE(ReplaceTextFile("f.txt", "new"));
    EXPECT_FALSE(fs::exists("vel1A2F.tmp"));
    EXPECT_FALSE(fs::exists("velC.tmp"));
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 4);
}

}  // namespace
