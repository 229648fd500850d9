// Saving as POSIX systems let things go wrong: odd things at the name, things swapped in
// while a save runs, saves killed on the way.
#include "platform/text_file.h"

#include <csignal>
#include <filesystem>
#include <string>
#include <thread>

#include <gtest/gtest.h>
#include <sys/wait.h>

#include "tests/support/save_interlude.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/special_files.h"

namespace {

namespace fs = std::filesystem;

TEST(ReplaceTextFile, RefusesAnythingButAFileAndLeavesItAsItWas) {
    for (const SpecialFile& special : kSpecialFiles) {
        SCOPED_TRACE(special.kind);
        ScratchFolder folder;
        if (!special.make("f.txt")) {
            std::printf("skipped %s: this system does not let the test make one\n", special.kind);
            continue;
        }
        const std::string before = DescribeFolder();
        EXPECT_FALSE(ReplaceTextFile("f.txt", "new"));
        EXPECT_EQ(DescribeFolder(), before);
    }
}

// Whatever stands at the file when the save is about to put its new file in place, with a
// file there before (named through a link) or none, only a file is replaced.
TEST(ReplaceTextFile, RefusesWhatIsSwappedInAfterItsChecks) {
    const struct {
        bool fileBefore;
        bool (*swapIn)(const char* name);
    } cases[] = {
        {true, [](const char* name) { return mkdir(name, 0700) == 0; }},
        {true, [](const char* name) { return mkfifo(name, 0600) == 0; }},
        {false, [](const char* name) { return mkdir(name, 0700) == 0; }},
        {false, [](const char* name) { return mkfifo(name, 0600) == 0; }},
    };
    for (const auto& [fileBefore, swapIn] : cases) {
        ScratchFolder folder;
        fs::create_symlink("f.txt", "link.txt");
        if (fileBefore) WriteBytes("f.txt", "old");
        std::string swapped;
        AtNextSaveInterlude([&, swapIn = swapIn] {
            fs::remove("f.txt");
            EXPECT_TRUE(swapIn("f.txt"));
            swapped = Describe("f.txt");
            return true;
        });
        EXPECT_FALSE(ReplaceTextFile(fileBefore ? "link.txt" : "f.txt", "new"));
        EXPECT_EQ(Describe("f.txt"), swapped) << fileBefore;
        EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 2);
    }
}

// The next save removes what saves killed before their end left, and nothing else.
TEST(ReplaceTextFile, RemovesTheTemporaryFilesOfKilledSaves) {
    ScratchFolder folder;
    for (const char* name : {"f.txt", ".f.txt.k1lLed", ".f.txt.notes", ".f.txt.Ab12C", ".f.txt.Ab12Cd.bak",
                             ".g.txt.Ab12Cd", "f.txt.Ab12Cd"})
        WriteBytes(name, "x");
    fs::create_directory(".f.txt.Folder");
    ASSERT_TRUE(ReplaceTextFile("f.txt", "new"));
    EXPECT_FALSE(fs::exists(".f.txt.k1lLed"));
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 7);
}

// Runs `save` in a child process and gives its wait status once `kill` has run.
int InChild(const std::function<void()>& save, const std::function<void(pid_t)>& kill) {
    const pid_t child = fork();
    if (child == 0) {
        save();
        _exit(0);
    }
    kill(child);
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

// Asked to end in the middle of a save, the program ends once the save has ended, with
// nothing left beside the file.
TEST(ReplaceTextFile, HoldsTheSignalsToEndUntilItHasEnded) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        ScratchFolder folder;
        WriteBytes("f.txt", "old");
        const int status = InChild(
            [signal] {
                AtNextSaveInterlude([signal] { return raise(signal) == 0; });
                ReplaceTextFile("f.txt", "new");
            },
            [](pid_t) {});
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_EQ(ReadBytes("f.txt"), "new");
        EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
    }
}

// Killed at any moment of saving a text of megabytes, as the program with its threads is
// (a signal goes to any thread that does not hold it): the file is old or new, and nothing
// is left beside it.
TEST(ReplaceTextFile, LeavesNothingBehindWhenKilledWhileSaving) {
    const std::string big(5 << 20, 'x');
    for (int delayMs : {1, 3, 7, 15, 30, 60}) {
        ScratchFolder folder;
        WriteBytes("f.txt", "old");
        const int status = InChild(
            [&big] {
                std::thread([] { pause(); }).detach();
                for (;;) ReplaceTextFile("f.txt", big);
            },
            [delayMs](pid_t child) {
                std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
                kill(child, SIGTERM);
            });
        EXPECT_TRUE(WIFSIGNALED(status)) << delayMs;
        const std::string after = ReadBytes("f.txt");
        EXPECT_TRUE(after == "old" || after == big) << delayMs;
        EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1) << delayMs;
    }
}

}  // namespace
