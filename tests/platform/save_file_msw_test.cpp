// Saving as Windows has it: the read-only attribute, refused for every user as the Linux
// build refuses a file without write permission; and the program's own temporary names of
// saves ended before their time, which the next save removes (and nothing else, nor the
// file of a save that may still be running).
#include "platform/save_file.h"

// std::chrono::hours comes with <filesystem>; <chrono> itself holds a micro sign that the tests'
// code page 932 cannot take.
#include <filesystem>

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

TEST(SaveTextFile, RefusesAReadOnlyFileAndRemovesOnlyItsOwnOldLeftovers) {
    ScratchFolder folder;
    for (const char* name : {"f.txt", ".velmor-save-K1lLedK1lLed.tmp", ".velmor-save-RunningSave0.tmp", "vel1A2F.tmp",
                             ".f.txt.backup", ".velmor-save-K1lLed-1lLed.tmp"})
        WriteBytes(name, "x");
    for (const char* name : {".velmor-save-K1lLedK1lLed.tmp", ".velmor-save-K1lLed-1lLed.tmp"})
        fs::last_write_time(name, fs::file_time_type::clock::now() - std::chrono::hours(1));
    ASSERT_TRUE(SetFileAttributesA("f.txt", FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(SaveTextFile("f.txt", "new").failure, SaveFailure::ReadOnly);
    EXPECT_EQ(ReadBytes("f.txt"), "x");
    ASSERT_TRUE(SetFileAttributesA("f.txt", FILE_ATTRIBUTE_NORMAL));
    EXPECT_TRUE(SaveTextFile("f.txt", "new"));
    EXPECT_EQ(ReadBytes("f.txt"), "new");
    EXPECT_FALSE(fs::exists(".velmor-save-K1lLedK1lLed.tmp"));
    EXPECT_EQ(FilesIn(), 5u);
}

}  // namespace
