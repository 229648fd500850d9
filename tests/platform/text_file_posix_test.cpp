// Saving as POSIX systems let things go wrong: odd things at the name, before the save or
// swapped in while it runs, and saves killed on the way.
#include "platform/text_file.h"

#include <csignal>
#include <filesystem>
#include <regex>
#include <string>
#include <thread>

#include <gtest/gtest.h>
#include <sys/wait.h>

#include "tests/support/save_interlude.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/special_files.h"

namespace {

namespace fs = std::filesystem;

std::size_t Entries() { return std::distance(fs::directory_iterator("."), fs::directory_iterator()); }

// Only a file is replaced, whatever stands at the name: from the start, or swapped in just
// before the new file is put in place, for a file or where nothing stood.
TEST(ReplaceTextFile, ReplacesNothingButAFileWheneverItComes) {
    for (const SpecialFile& special : kSpecialFiles) {
        for (const char* when : {"before", "for a file", "where nothing was"}) {
            SCOPED_TRACE(std::string(special.kind) + " " + when);
            ScratchFolder folder;
            WriteBytes("f.txt", "old");
            std::string expected;
            const auto swapIn = [&] {
                fs::remove("f.txt");
                EXPECT_TRUE(special.make("f.txt")) << "no right to make one";
                // All but the save's new file, which must go.
                expected = std::regex_replace(DescribeFolder(), std::regex("\\.f\\.txt\\.\\w{6}: .*\n"), "");
                return true;
            };
            if (when[0] == 'b') swapIn();
            if (when[0] == 'w') fs::remove("f.txt");
            AtNextSaveInterlude(swapIn);
            EXPECT_FALSE(ReplaceTextFile("f.txt", "new"));
            EXPECT_EQ(DescribeFolder(), expected);
            AtNextSaveInterlude(nullptr);
        }
    }
}

// The next save removes what saves killed before their end left, and nothing else.
TEST(ReplaceTextFile, RemovesTheTemporaryFilesOfKilledSaves) {
    ScratchFolder folder;
    for (const char* name : {"f.txt", ".f.txt.k1lLed", ".f.txt.Ab12C", ".f.txt.Ab12Cd.bak", ".g.txt.Ab12Cd"})
        WriteBytes(name, "x");
    fs::create_directory(".f.txt.Folder");
    ASSERT_TRUE(ReplaceTextFile("f.txt", "new"));
    EXPECT_FALSE(fs::exists(".f.txt.k1lLed"));
    EXPECT_EQ(Entries(), 5u);
}

// Saves in a child process, which `end` ends; the file is old or new, and nothing is left
// beside it.
void ExpectEndedCleanly(const std::function<void()>& save, const std::function<void(pid_t)>& end,
                        const std::string& saved) {
    ScratchFolder folder;
    WriteBytes("f.txt", "old");
    const pid_t child = fork();
    if (child == 0) {
        save();
        _exit(0);
    }
    end(child);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status));
    const std::string after = ReadBytes("f.txt");
    EXPECT_TRUE(after == "old" || after == saved);
    EXPECT_EQ(Entries(), 1u);
}

// Asked to end in the middle of a save, the program ends once the save has ended.
TEST(ReplaceTextFile, HoldsTheSignalsToEndUntilItHasEnded) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        ExpectEndedCleanly(
            [signal] {
                AtNextSaveInterlude([signal] { return raise(signal) == 0; });
                ReplaceTextFile("f.txt", "new");
            },
            [](pid_t) {}, "new");
    }
}

// Killed at any moment of saving a text of megabytes, as the program with its threads is
// (a signal goes to a thread that does not hold it).
TEST(ReplaceTextFile, LeavesNothingBehindWhenKilledWhileSaving) {
    const std::string big(5 << 20, 'x');
    for (int delayMs : {1, 3, 7, 15, 30, 60}) {
        ExpectEndedCleanly(
            [&big] {
                std::thread([] { pause(); }).detach();
                for (;;) ReplaceTextFile("f.txt", big);
            },
            [delayMs](pid_t child) {
                std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
                kill(child, SIGTERM);
            },
            big);
    }
}

}  // namespace
