// Odd things at a file's name: nothing but a regular file is read, nothing is waited for,
// and the thing is left as it was.
#include "platform/text_file.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/support/scratch_folder.h"
#include "tests/support/special_files.h"

namespace {

TEST(ReadTextFile, OpensNothingButAFileAndNeverWaitsForOne) {
    std::string text;
    for (const SpecialFile& special : kSpecialFiles) {
        SCOPED_TRACE(special.kind);
        ScratchFolder folder;
        ASSERT_TRUE(special.make("f.txt"));
        const std::string before = DescribeFolder();
        alarm(10);  // a named pipe waited for ends the run instead of hanging it
        EXPECT_EQ(ReadTextFile("f.txt", 100, text), TextReadResult::OpenFailed);
        alarm(0);
        EXPECT_EQ(DescribeFolder(), before);
    }
    // A file that opens but cannot be read: the process's own memory from address 0.
    ScratchFolder folder;
    std::filesystem::create_symlink("/proc/self/mem", "f.txt");
    EXPECT_EQ(ReadTextFile("f.txt", 100, text), TextReadResult::ReadFailed);
}

}  // namespace
