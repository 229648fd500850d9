// Files through POSIX calls.
#include "platform/text_file_os.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <random>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The folder part of a path: "." for a bare name.
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a name stands for, behind any symbolic links.
std::string FollowLinks(std::string path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st;
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        char target[PATH_MAX];
        const ssize_t n = readlink(path.c_str(), target, sizeof target);
        if (n <= 0 || n == static_cast<ssize_t>(sizeof target)) break;
        const std::string link(target, static_cast<std::size_t>(n));
        path = link.front() == '/' ? link : FolderOf(path) + "/" + link;
    }
    return path;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Holds the signals that ask a program to end, for as long as it lives: an interrupted
// save then ends first, and the program after it.
class EndSignalsHeld {
public:
    EndSignalsHeld() {
        sigset_t held;
        sigemptyset(&held);
        for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaddset(&held, signal);
        pthread_sigmask(SIG_BLOCK, &held, &previous_);
    }
    ~EndSignalsHeld() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    EndSignalsHeld(const EndSignalsHeld&) = delete;
    EndSignalsHeld& operator=(const EndSignalsHeld&) = delete;

private:
    sigset_t previous_;
};

// A save's temporary name beside the file: a dot, the file's name, a dot and six letters
// or digits, as every version of the program has made them.
constexpr std::size_t kTempTagLength = 6;
constexpr std::string_view kTempTagChars =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

std::string TempPrefix(const std::string& base) { return "." + base + "."; }

std::string NewTempName(const std::string& base) {
    std::random_device random;
    std::string name = TempPrefix(base);
    for (std::size_t i = 0; i < kTempTagLength; ++i)
        name += kTempTagChars[random() % kTempTagChars.size()];
    return name;
}

bool IsTempName(std::string_view entry, const std::string& base) {
    const std::string prefix = TempPrefix(base);
    return entry.size() == prefix.size() + kTempTagLength && entry.starts_with(prefix) &&
           entry.find_first_not_of(kTempTagChars, prefix.size()) == std::string_view::npos;
}

// Removes the regular files of temporary names that saves killed before their end left
// beside the file.
void RemoveLeftovers(int folder, const std::string& base) {
    const int listing = dup(folder);
    DIR* entries = listing < 0 ? nullptr : fdopendir(listing);
    if (entries == nullptr) {
        if (listing >= 0) close(listing);
        return;
    }
    struct stat st;
    while (const dirent* entry = readdir(entries)) {
        if (IsTempName(entry->d_name, base) &&
            fstatat(folder, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode))
            unlinkat(folder, entry->d_name, 0);
    }
    closedir(entries);
}

// A new file in the folder, for writing. Where the file system has them it is unnamed
// until written, so that a save killed while writing leaves nothing behind; else it gets
// its temporary name at once. -1 when none can be made.
int CreateNewFile(int folder, const std::string& base, std::string& temp) {
    const int fd = openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0) return fd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = NewTempName(base);
        const int named = openat(folder, temp.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
        if (named >= 0 || errno != EEXIST) return named;
    }
    return -1;
}

// Gives an unnamed new file its temporary name.
bool NameNewFile(int fd, int folder, const std::string& base, std::string& temp) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = NewTempName(base);
        if (linkat(AT_FDCWD, self.c_str(), folder, temp.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
        if (errno != EEXIST) break;
    }
    temp.clear();
    return false;
}

// Whether something other than a regular file stands at the name in the folder.
bool IsOtherThanFile(int folder, const char* name) {
    struct stat st;
    return fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) == 0 ? !S_ISREG(st.st_mode)
                                                                : errno != ENOENT;
}

// Puts the new file (at temp) in the place of base, never over anything but a regular
// file, whatever came there since the checks: where nothing stands the rename refuses to
// replace what comes meanwhile, and over a file the exchange is atomic and what it took
// out is looked at after it, anything but a regular file going back. Nothing of the save
// is left at temp.
bool PutInPlace(int folder, const char* temp, const char* base) {
    if (renameat2(folder, temp, folder, base, RENAME_NOREPLACE) == 0) return true;
    bool ok = false;
    if (errno == EEXIST) {
        if (renameat2(folder, temp, folder, base, RENAME_EXCHANGE) != 0) {
            unlinkat(folder, temp, 0);
            return false;
        }
        ok = !IsOtherThanFile(folder, temp);
        if (!ok && renameat2(folder, temp, folder, base, RENAME_EXCHANGE) != 0) return false;
    } else if (errno == EINVAL || errno == ENOSYS) {
        // A file system (or kernel) without these renames: the check as close to the rename
        // as it goes.
        ok = !IsOtherThanFile(folder, base) && renameat(folder, temp, folder, base) == 0;
    }
    unlinkat(folder, temp, 0);
    return ok;
}

bool ReplaceIn(int folder, const std::string& base, bool named, std::string_view bytes) {
    struct stat old;
    const bool hadFile = fstatat(folder, base.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    // Only a regular file, named directly or through links, is replaced: a folder, a pipe,
    // a device, a link that leads nowhere or in a circle stays as it is.
    if (hadFile ? !S_ISREG(old.st_mode) : named) return false;
    // Nor one that its permissions protect from this user (root may write any).
    if (hadFile && faccessat(folder, base.c_str(), W_OK, AT_EACCESS) != 0) return false;
    const EndSignalsHeld held;
    RemoveLeftovers(folder, base);

    std::string temp;
    const int fd = CreateNewFile(folder, base, temp);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, bytes);
    if (hadFile && fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Another owner is only possible for root; the permissions below still hold.
    }
    ok = ok && fchmod(fd, hadFile ? old.st_mode & 07777 : NewFileMode()) == 0;
    ok = ok && fsync(fd) == 0;
    ok = ok && (!temp.empty() || NameNewFile(fd, folder, base, temp));
    ok = close(fd) == 0 && ok;
    if (!ok || !text_file_os::SaveInterlude()) {
        if (!temp.empty()) unlinkat(folder, temp.c_str(), 0);
        return false;
    }
    if (!PutInPlace(folder, temp.c_str(), base.c_str())) return false;
    fsync(folder);  // makes the rename itself durable
    return true;
}

}  // namespace

namespace text_file_os {

bool Exists(const char* name) {
    struct stat st;
    return lstat(name, &st) == 0;
}

int OpenRegular(const char* name, std::size_t& size) {
    // Nothing but a regular file is opened: a named pipe would wait in open() for a
    // writer, and opening a device may act on it. Something swapped in after the check
    // cannot make open() wait either (O_NONBLOCK), and fstat refuses it.
    struct stat st;
    if (stat(name, &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    const int fd = open(name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return -1;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        close(fd);
        return -1;
    }
    size = static_cast<std::size_t>(st.st_size);
    return fd;
}

long long Read(int fd, char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t n = read(fd, buffer, size);
        if (n < 0 && errno == EINTR) continue;
        return n;
    }
}

void Close(int fd) { close(fd); }

FileVersion VersionOf(const char* name) {
    struct stat st;
    if (stat(name, &st) != 0) return {};
    return {true, static_cast<unsigned long long>(st.st_size),
            st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec};
}

bool Replace(const char* name, std::string_view bytes) {
    struct stat st;
    const bool named = lstat(name, &st) == 0;
    const std::string path = FollowLinks(name);
    // Everything below is relative to the folder as opened here, so that no folder swapped
    // in on the way can take the save elsewhere.
    const int folder = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return false;
    const bool ok = ReplaceIn(folder, BaseNameOf(path), named, bytes);
    close(folder);
    return ok;
}

}  // namespace text_file_os
