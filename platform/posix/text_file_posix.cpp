// Files through POSIX calls.
#include "platform/text_file_os.h"

#include <cerrno>
#include <climits>
#include <string>

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

// Makes the rename itself durable.
void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
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

bool Replace(const char* name, std::string_view bytes, bool failBeforeRename) {
    const std::string path = FollowLinks(name);
    struct stat old;
    const bool hadFile = lstat(name, &old) == 0;
    // Only a regular file, named directly or through links, is replaced: a folder, a pipe,
    // a device, a link that leads nowhere or in a circle stays as it is.
    if (hadFile && (lstat(path.c_str(), &old) != 0 || !S_ISREG(old.st_mode))) return false;

    std::string temp = FolderOf(path) + "/." + BaseNameOf(path) + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok = WriteAll(fd, bytes);
    if (hadFile && fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Another owner is only possible for root; the permissions below still hold.
    }
    ok = ok && fchmod(fd, hadFile ? old.st_mode & 07777 : NewFileMode()) == 0;
    ok = ok && fsync(fd) == 0;
    if (failBeforeRename) ok = false;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        unlink(temp.c_str());
        return false;
    }
    SyncFolder(FolderOf(path));
    return true;
}

}  // namespace text_file_os
