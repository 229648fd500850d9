// Saving as Windows has it: the read-only attribute, and the temporary names of saves ended
// before their time, which the next save removes (and nothing else).
#include "platform/save_file.h"

#include <filesystem>

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/scratch_folder.h"

namespace {

TEST(SaveTextFile, RefusesAReadOnlyFileAndRemovesWhatKilledSavesLeft) {
    ScratchFolder folder;
    for (const char* name : {"f.txt", "vel1A2F.tmp", "velC.tmp", "vel12345.tmp", "velvet.tmp"}) WriteBytes(name, "x");
    ASSERT_TRUE(SetFileAttributesA("f.txt", FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(SaveTextFile("f.txt", "new"));
    EXPECT_EQ(ReadBytes("f.txt"), "x");
    ASSERT_TRUE(SetFileAttributesA("f.txt", FILE_ATTRIBUTE_NORMAL));
    EXPECT_TRUE(SaveTextFile("f.txt", "new"));
    EXPECT_FALSE(std::filesystem::exists("vel1A2F.tmp") || std::filesystem::exists("velC.tmp"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator()), 3);
}

}  // namespace
