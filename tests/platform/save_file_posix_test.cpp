// Saving as POSIX systems let things go wrong: odd things at the name, before the save or
// swapped in while it runs; saves killed, signalled in another thread, or racing another
// process; the user's own links, other users' links and folders; rights that must stay;
// full disks, long names, file systems without some renames. The tests run as root; an
// ordinary user is the user nobody, in a child process that takes its ids.
#include "platform/save_file.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <filesystem>
#include <functional>
#include <regex>
#include <string>
#include <thread>

#include <grp.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <pwd.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>

#include "platform/text_file.h"
#include "tests/support/rename_stand_in.h"
#include "tests/support/save_interlude.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/special_files.h"

namespace {

namespace fs = std::filesystem;

const passwd kNobody = *getpwnam("nobody");
constexpr gid_t kUsersGroup = 100;  // Debian's "users"
constexpr gid_t kStaffGroup = 50;   // Debian's "staff"

// Mode (in decimal), owner and group.
std::string Mode(const char* name) {
    struct stat st;
    return stat(name, &st) == 0 ? std::to_string(st.st_mode & 07777) + " " + std::to_string(st.st_uid) + ":" +
                                      std::to_string(st.st_gid)
                                : "nothing";
}

// Runs `act` in a child process and returns its exit code (128 + the signal that ended it).
int InChild(const std::function<int()>& act) {
    const pid_t child = fork();
    if (child == 0) _exit(act());
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// The child becomes the user nobody, in `groups` besides nobody's own.
bool BecomeNobody(std::initializer_list<gid_t> groups = {}) {
    const std::vector<gid_t> list(groups);
    return setgroups(list.size(), list.data()) == 0 && setegid(kNobody.pw_gid) == 0 && seteuid(kNobody.pw_uid) == 0;
}

// The child gets a mount namespace of its own, so that what it mounts is gone with it.
bool OwnMounts() { return unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0; }

constexpr int kSkipped = 77;

// Only a file is replaced, whatever stands at the name: from the start, or swapped in just
// before the new file is put in place, for a file or where nothing stood; and so where the
// file system lacks the exchange (the checked rename) or the no-replace rename too.
TEST(SaveTextFile, ReplacesNothingButAFileWheneverItComes) {
    const struct {
        const char* fileSystem;
        unsigned refused;
    } fileSystems[] = {
        {"every rename", 0},
        {"no exchange", RENAME_EXCHANGE},
        {"no exchange, no no-replace", RENAME_EXCHANGE | RENAME_NOREPLACE},
    };
    for (const auto& fileSystem : fileSystems) {
        const RenameFlagsRefused refused(fileSystem.refused, EINVAL);
        for (const SpecialFile& special : kSpecialFiles) {
            for (const char* when : {"before", "for a file", "where nothing was"}) {
                SCOPED_TRACE(std::string(fileSystem.fileSystem) + ": " + special.kind + " " + when);
                ScratchFolder folder;
                WriteBytes("f.txt", "old");
                std::string expected;
                const auto swapIn = [&] {
                    fs::remove("f.txt");
                    EXPECT_TRUE(special.make("f.txt")) << "no right to make one";
                    // All but the save's new file, which must go.
                    expected =
                        std::regex_replace(DescribeFolder(), std::regex("\\.velmor-save-\\w{12}\\.tmp: .*\n"), "");
                    return true;
                };
                if (when[0] == 'b') swapIn();
                if (when[0] == 'w') fs::remove("f.txt");
                AtNextSaveInterlude(swapIn);
                const SaveFailure failure = SaveTextFile("f.txt", "new").failure;
                EXPECT_TRUE(failure == (when[0] == 'b' ? SaveFailure::NotAFile : SaveFailure::ChangedElsewhere))
                    << static_cast<int>(failure);
                EXPECT_EQ(DescribeFolder(), expected);
                AtNextSaveInterlude(nullptr);
            }
        }
    }
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

// The next save removes what saves killed before their end left, and nothing else: not the
// files of other programs that look alike, not another user's, not a folder or a link of
// that name, and not the file of a save still running (another process holds it).
TEST(SaveTextFile, RemovesOnlyItsOwnLeftoversThatNoSaveStillHolds) {
    ScratchFolder folder;
    const char* const removed[] = {".velmor-save-K1lLedK1lLed.tmp", ".velmor-save-000000000000.tmp"};
    const char* const kept[] = {".f.txt.backup", ".velmor-save-Ab12C.tmp", ".velmor-save-K1lLedK1lLed.tmp.bak",
                                ".velmor-save-K1lLed-1lLed.tmp", "velmor-save-K1lLedK1lLed.tmp",
                                ".velmor-save-OtherUser000.tmp", ".velmor-save-RunningSave0.tmp"};
    for (const char* name : removed) WriteBytes(name, "x");
    for (const char* name : kept) WriteBytes(name, "x");
    ASSERT_EQ(chown(".velmor-save-OtherUser000.tmp", kNobody.pw_uid, kNobody.pw_gid), 0);
    fs::create_directory(".velmor-save-AFolder00000.tmp");
    fs::create_symlink("f.txt", ".velmor-save-ALink0000000.tmp");
    WriteBytes("f.txt", "old");
    const std::size_t before = FilesIn();
    int running[2];
    ASSERT_EQ(pipe(running), 0);
    const pid_t save = fork();
    if (save == 0) {
        const int fd = open(".velmor-save-RunningSave0.tmp", O_RDONLY);
        flock(fd, LOCK_EX);
        if (write(running[1], "!", 1) != 1) _exit(1);
        pause();
        _exit(0);
    }
    char ready;
    ASSERT_EQ(read(running[0], &ready, 1), 1);
    EXPECT_TRUE(SaveTextFile("f.txt", "new"));
    kill(save, SIGKILL);
    waitpid(save, nullptr, 0);
    close(running[0]);
    close(running[1]);
    for (const char* name : removed) EXPECT_FALSE(fs::exists(name)) << name;
    for (const char* name : kept) EXPECT_EQ(ReadBytes(name), "x") << name;
    EXPECT_TRUE(fs::is_directory(".velmor-save-AFolder00000.tmp"));
    EXPECT_TRUE(fs::is_symlink(".velmor-save-ALink0000000.tmp"));
    EXPECT_EQ(FilesIn(), before - std::size(removed));
}

// Two processes saving in one folder at once, each its own file and both one file, never
// take each other's new file for a leftover, and leave nothing of anyone else's.
TEST(SaveTextFile, TwoProcessesSavingAtOnceNeverFail) {
    ScratchFolder folder;
    WriteBytes(".k.csv.backup", "x");
    WriteBytes("k.csv", "first");
    constexpr int kSaves = 100;
    const auto saves = [](const char* own) {
        return [own] {
            int failed = 0;
            for (int i = 0; i < kSaves; ++i)
                failed += !SaveFileBytes(own, std::string(1000 + i, 'a')) + !SaveFileBytes("k.csv", "shared");
            return std::min(failed, 100);
        };
    };
    int results[2];
    std::thread other([&] { results[1] = InChild(saves("b.csv")); });
    results[0] = InChild(saves("a.csv"));
    other.join();
    EXPECT_EQ(results[0], 0);
    EXPECT_EQ(results[1], 0);
    EXPECT_EQ(ReadBytes(".k.csv.backup"), "x");
    EXPECT_EQ(ReadBytes("k.csv"), "shared");
    EXPECT_EQ(FilesIn(), 4u);
}

// Asked to end in the middle of a save, the program ends once the save has ended, the new
// file in place: whether the saving thread takes the signal or another thread that does not
// block it (as the toolkit's threads do) while the saving thread blocks it.
TEST(SaveTextFile, HoldsTheSignalsToEndInEveryThreadUntilItHasEnded) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) {
        for (const bool otherThread : {false, true}) {
            SCOPED_TRACE(std::to_string(signal) + (otherThread ? " in another thread" : ""));
            ScratchFolder folder;
            WriteBytes("f.txt", "old");
            EXPECT_EQ(InChild([signal, otherThread] {
                          const rlimit noCore{0, 0};  // SIGQUIT would leave one in the folder
                          setrlimit(RLIMIT_CORE, &noCore);
                          std::signal(signal, SIG_DFL);  // a shell ignores some in background jobs
                          std::thread toolkit;
                          pthread_t target = pthread_self();
                          if (otherThread) {
                              toolkit = std::thread([] {
                                  for (;;) pause();
                              });
                              target = toolkit.native_handle();
                              sigset_t held;
                              sigemptyset(&held);
                              sigaddset(&held, signal);
                              pthread_sigmask(SIG_BLOCK, &held, nullptr);
                          }
                          AtNextSaveInterlude([signal, target] { return pthread_kill(target, signal) == 0; });
                          SaveTextFile("f.txt", "new");
                          // The other thread takes it now, unless it was lost.
                          sleep(2);
                          return 0;
                      }),
                      128 + signal);
            EXPECT_EQ(ReadBytes("f.txt"), "new");
            EXPECT_EQ(FilesIn(), 1u);
        }
    }
}

// What stands in the way of a save and what the user is told, as root and as an ordinary
// user: a file that no one may write is refused for root too, as the Windows build refuses
// a read-only file; another user's link in a sticky folder that everyone may write is not
// followed, for root either, wherever it leads; a name as long as the file system allows is
// saved, a longer one refused by its length.
TEST(SaveTextFile, RefusesWhatTheUserMayNotReplaceForRootAsForAnyone) {
    const std::string longest(NAME_MAX, 'n');
    const struct {
        const char* what;
        bool asNobody;
        std::function<void()> make;  // in a folder that everyone may write, sticky
        std::string name;
        SaveFailure failure;
        const char* outside;  // what ../outside.txt holds afterwards
    } cases[] = {
        {"a file without write bits, as root", false, [] { WriteBytes("f.txt", "old"), chmod("f.txt", 0444); },
         "f.txt", SaveFailure::ReadOnly, "private"},
        {"root's file in a folder anyone may write, not sticky, as nobody", true,
         [] { mkdir("open", 0777), chmod("open", 0777), WriteBytes("open/f.txt", "old"), chmod("open/f.txt", 0644); },
         "open/f.txt", SaveFailure::ReadOnly, "private"},
        {"nobody's file, as root", false,
         [] { WriteBytes("f.txt", "old"), chown("f.txt", kNobody.pw_uid, kNobody.pw_gid); }, "f.txt",
         SaveFailure::None, "private"},
        {"nobody's link, as root", false,
         [] { symlink("../outside.txt", "f.txt"), lchown("f.txt", kNobody.pw_uid, kNobody.pw_gid); }, "f.txt",
         SaveFailure::LinkRefused, "private"},
        {"nobody's link behind root's, as root", false,
         [] { symlink("../outside.txt", "g.txt"), symlink("g.txt", "f.txt"), lchown("g.txt", kNobody.pw_uid, 0); },
         "f.txt", SaveFailure::LinkRefused, "private"},
        {"nobody's own link, as nobody", true,
         [] { symlink("../outside.txt", "f.txt"), lchown("f.txt", kNobody.pw_uid, kNobody.pw_gid); }, "f.txt",
         SaveFailure::None, "new"},
        {"the longest name", false, [] {}, longest, SaveFailure::None, "private"},
        {"a name too long", false, [] {}, longest + "n", SaveFailure::NameTooLong, "private"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder top;
        const fs::path shared = top.Path() / "shared";
        fs::create_directory(shared);
        ASSERT_EQ(chmod(shared.c_str(), 01777), 0);
        ASSERT_EQ(chmod(top.Path().c_str(), 0777), 0);
        WriteBytes(top.Path() / "outside.txt", "private");
        ASSERT_EQ(chmod((top.Path() / "outside.txt").c_str(), 0666), 0);
        fs::current_path(shared);
        c.make();
        const int result = InChild([&c] {
            if (c.asNobody && !BecomeNobody()) return kSkipped;
            return static_cast<int>(SaveFileBytes(c.name.c_str(), "new").failure);
        });
        EXPECT_EQ(result, static_cast<int>(c.failure));
        EXPECT_EQ(ReadBytes(top.Path() / "outside.txt"), c.outside);
        if (c.failure == SaveFailure::None && c.outside[0] == 'p') {
            EXPECT_EQ(ReadBytes(c.name), "new");
        }
        if (c.failure == SaveFailure::ReadOnly) {
            EXPECT_EQ(ReadBytes(c.name), "old");
        }
        for (const auto& entry : fs::directory_iterator("."))
            EXPECT_FALSE(entry.path().filename().string().starts_with(".velmor-save-")) << entry.path();
    }
}

// The inode flags: an immutable file is refused; a folder that keeps every name
// (append-only) is refused before anything is made in it.
TEST(SaveTextFile, RefusesImmutableFilesAndAppendOnlyFolders) {
    ScratchFolder folder;
    WriteBytes("f.txt", "old");
    const auto flag = [](const char* name, int flags) {
        const int fd = open(name, O_RDONLY);
        const bool set = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        close(fd);
        return set;
    };
    if (!flag("f.txt", FS_IMMUTABLE_FL)) GTEST_SKIP() << "no right to set inode flags here";
    EXPECT_EQ(SaveTextFile("f.txt", "new").failure, SaveFailure::ReadOnly);
    flag("f.txt", 0);
    flag(".", FS_APPEND_FL);
    EXPECT_EQ(SaveTextFile("f.txt", "new").failure, SaveFailure::FolderRefused);
    EXPECT_EQ(SaveTextFile("g.txt", "new").failure, SaveFailure::FolderRefused);
    flag(".", 0);
    EXPECT_EQ(ReadBytes("f.txt"), "old");
    EXPECT_EQ(FilesIn(), 1u);
}

// The file's ACL as getfacl lists it, without its comments.
std::string Acl(const char* name) {
    std::string out;
    if (FILE* pipe = popen(("getfacl -cp '" + std::string(name) + "' 2>&1").c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe))
            if (buffer[0] != '#') out += buffer;
        pclose(pipe);
    }
    return out;
}

std::string UserAttribute(const char* name) {
    char value[64];
    const ssize_t n = getxattr(name, "user.origin", value, sizeof value);
    return n < 0 ? "none" : std::string(value, static_cast<std::size_t>(n));
}

// The replaced file keeps its owner, group, mode, ACL and the user's extended attributes;
// an ACL the folder's default gives new files does not widen a file that had none; where
// the group cannot be kept (the user is not in it), the group gets no more than others had.
TEST(SaveTextFile, KeepsTheRightsOfTheReplacedFileAndNeverWidensThem) {
    const struct {
        const char* what;
        bool asNobody;
        std::initializer_list<gid_t> groups;
        uid_t owner;
        gid_t group;
        mode_t mode;
        const char* fileAcl;    // setfacl -m, or nullptr
        const char* folderAcl;  // setfacl -d -m on the folder, or nullptr
        const char* after;      // Mode() afterwards
    } cases[] = {
        {"0640 and a user's entry", false, {}, 0, 0, 0640, "u:nobody:rw", nullptr, "432 0:0"},
        {"a shared group and an entry, as a member", true, {kUsersGroup}, 65534, kUsersGroup, 0640, "g:staff:rw",
         nullptr, "432 65534:100"},
        {"a group the user is not in", true, {}, 0, kStaffGroup, 0676, nullptr, nullptr, "438 65534:65534"},
        {"no ACL in a folder with a default one", false, {}, 0, 0, 0644, nullptr, "u:nobody:rwx", "420 0:0"},
        {"set-id bits", false, {}, 0, kUsersGroup, 06755, nullptr, nullptr, "493 0:100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        ASSERT_EQ(chmod(".", 0777), 0);
        WriteBytes("f.txt", "old");
        if (c.folderAcl) {
            ASSERT_EQ(system(("setfacl -d -m " + std::string(c.folderAcl) + " .").c_str()), 0);
        }
        ASSERT_EQ(chown("f.txt", c.owner, c.group), 0);
        ASSERT_EQ(chmod("f.txt", c.mode), 0);
        if (c.fileAcl) {
            ASSERT_EQ(system(("setfacl -m " + std::string(c.fileAcl) + " f.txt").c_str()), 0);
        }
        ASSERT_EQ(setxattr("f.txt", "user.origin", "camera", 6, 0), 0);
        const std::string acl = Acl("f.txt");
        const bool keepsGroup = c.group == 0 || !c.asNobody || std::count(c.groups.begin(), c.groups.end(), c.group);
        EXPECT_EQ(InChild([&c] {
                      if (c.asNobody && !BecomeNobody(c.groups)) return kSkipped;
                      return static_cast<int>(SaveTextFile("f.txt", "new").failure);
                  }),
                  0);
        EXPECT_EQ(ReadBytes("f.txt"), "new");
        EXPECT_EQ(Mode("f.txt"), c.after);
        if (keepsGroup) {
            EXPECT_EQ(Acl("f.txt"), acl);
        }
        EXPECT_EQ(Acl("f.txt").find("nobody") != std::string::npos, c.fileAcl && c.fileAcl[0] == 'u');
        EXPECT_EQ(UserAttribute("f.txt"), "camera");
        EXPECT_EQ(FilesIn(), 1u);
    }
}

// A new file gets what any new file there gets (the umask, or the folder's default ACL), and
// saving never touches the umask, which other threads' new files take meanwhile.
TEST(SaveTextFile, GivesANewFileTheUmaskAndLeavesItToOtherThreads) {
    ScratchFolder folder;
    const mode_t previous = umask(027);
    std::atomic<bool> stop = false;
    std::atomic<int> widened = 0;
    std::thread other([&] {
        for (int i = 0; !stop; ++i) {
            const std::string name = "other" + std::to_string(i % 8);
            const int fd = open(name.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0666);
            struct stat st;
            if (fd >= 0 && fstat(fd, &st) == 0 && (st.st_mode & 0777) != 0640) ++widened;
            if (fd >= 0) close(fd);
            unlink(name.c_str());
        }
    });
    for (int i = 0; i < 60; ++i) {
        const std::string name = "f" + std::to_string(i);
        ASSERT_TRUE(SaveFileBytes(name.c_str(), "new"));
        EXPECT_EQ(Mode(name.c_str()).substr(0, 3), "416") << i;  // 0640
    }
    stop = true;
    other.join();
    umask(previous);
    EXPECT_EQ(widened, 0);
}

// On a full disk (a small tmpfs) and at the process's file-size limit, a save refuses
// with that reason, keeps the old file whole and leaves nothing beside it; with room it
// saves.
TEST(SaveTextFile, RefusesCleanlyWhenTheDiskIsFull) {
    const std::string old(20000, 'o');
    const std::string big(60000, 'b');
    {
        TempFolder top;
        const std::string place = (top.Path() / "small").string();
        fs::create_directory(place);
        const int result = InChild([&] {
            if (!OwnMounts() || mount("tmpfs", place.c_str(), "tmpfs", 0, "size=48k") != 0) return kSkipped;
            if (chdir(place.c_str()) != 0) return 10;
            WriteBytes("f.svg", old);
            if (SaveFileBytes("f.svg", big).failure != SaveFailure::NoSpace) return 11;
            if (SaveFileBytes("g.svg", big).failure != SaveFailure::NoSpace) return 12;
            if (ReadBytes("f.svg") != old || FilesIn() != 1) return 13;
            if (!SaveFileBytes("f.svg", "small")) return 14;
            return 0;
        });
        if (result == kSkipped) GTEST_SKIP() << "no right to mount a tmpfs";
        EXPECT_EQ(result, 0);
    }
    ScratchFolder folder;
    WriteBytes("f.csv", old);
    EXPECT_EQ(InChild([&] {
                  const rlimit limit{30000, 30000};
                  if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return kSkipped;
                  return static_cast<int>(SaveFileBytes("f.csv", big).failure);
              }),
              static_cast<int>(SaveFailure::NoSpace));
    EXPECT_EQ(ReadBytes("f.csv"), old);
    EXPECT_EQ(FilesIn(), 1u);
}

}  // namespace
