// Whatever stands at a file's name in place of a regular file is refused at once, never
// waited for, and left as it was; a link to a regular file is read through.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/text_file.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/special_files.h"

namespace {

namespace fs = std::filesystem;

TEST(SpecialFile, IsNeitherReadNorReplacedAndStaysAsItWas) {
    ScratchFolder folder;
    for (const SpecialFile& special : kSpecialFiles) {
        SCOPED_TRACE(special.kind);
        special.make("f.txt");
        const std::string before = Describe("f.txt");
        PipeWatchdog watchdog("f.txt");
        std::string text;
        EXPECT_EQ(ReadTextFile("f.txt", 100, text), TextReadResult::OpenFailed);
        EXPECT_TRUE(FileExists("f.txt"));
        EXPECT_FALSE(ReplaceTextFile("f.txt", "new"));
        EXPECT_FALSE(watchdog.Released()) << "waited for a writer";
        EXPECT_EQ(Describe("f.txt"), before);
        EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
        fs::remove("f.txt");
    }
    WriteBytes("real.txt", "a\r\nb");
    fs::create_symlink("real.txt", "f.txt");
    std::string text;
    EXPECT_EQ(ReadTextFile("f.txt", 100, text), TextReadResult::Read);
    EXPECT_EQ(text, "a\nb");
}

}  // namespace
