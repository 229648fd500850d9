// Files through POSIX calls.
#include "platform/text_file_os.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

}  // namespace text_file_os
