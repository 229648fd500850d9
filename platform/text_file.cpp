#include "platform/text_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool failNextReplace = false;

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

std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16 + 16);
    for (;;) {
        const std::size_t lf = text.find('\n');
        out.append(text.substr(0, lf));
        if (lf == std::string_view::npos) return out;
        out += "\r\n";
        text.remove_prefix(lf + 1);
    }
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

bool FileExists(const char* name) {
    struct stat st;
    return stat(name, &st) == 0;
}

TextFileReader::TextFileReader(const char* name) {
    fd_ = open(name, O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) return;
    struct stat st;
    if (fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd_);
        fd_ = -1;
        return;
    }
    storedSize_ = static_cast<std::size_t>(st.st_size);
    buffer_.resize(2 * kMaxPiece);
}

TextFileReader::~TextFileReader() {
    if (fd_ >= 0) close(fd_);
}

void TextFileReader::Fill(std::size_t want) {
    if (end_ - begin_ >= want || atEnd_) return;
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
    while (end_ < want && !atEnd_) {
        const ssize_t n = read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) failed_ = true;
        if (n <= 0) atEnd_ = true;
        else end_ += static_cast<std::size_t>(n);
    }
}

std::string_view TextFileReader::ReadPiece(std::size_t maxBytes) {
    if (fd_ < 0 || failed_) return {};
    maxBytes = std::clamp<std::size_t>(maxBytes, 1, kMaxPiece);
    // One byte more than the piece may hold: a CR LF behind maxBytes - 1 bytes still fits.
    Fill(maxBytes + 1);
    if (failed_) return {};
    char* const p = buffer_.data() + begin_;
    const std::size_t available = end_ - begin_;
    std::size_t taken = std::min(available, maxBytes);
    std::size_t length = taken;
    if (const void* found = std::memchr(p, '\n', std::min(available, maxBytes + 1))) {
        const auto lf = static_cast<std::size_t>(static_cast<const char*>(found) - p);
        if (lf > 0 && p[lf - 1] == '\r') {
            p[lf - 1] = '\n';
            taken = lf + 1;
            length = lf;
        } else if (lf < maxBytes) {
            taken = length = lf + 1;
        }
    }
    begin_ += taken;
    return {p, length};
}

TextReadResult ReadTextFile(const char* name, std::size_t maxBytes, std::string& text) {
    text.clear();
    TextFileReader file(name);
    if (!file.IsOpen()) return TextReadResult::OpenFailed;
    if (file.StoredSize() > maxBytes) return TextReadResult::TooLarge;
    text.reserve(file.StoredSize());
    for (std::string_view piece; !(piece = file.ReadPiece(TextFileReader::kMaxPiece)).empty();) {
        text += piece;
        if (text.size() > maxBytes) {  // it grew while we read
            text.clear();
            return TextReadResult::TooLarge;
        }
    }
    if (!file.Failed()) return TextReadResult::Read;
    text.clear();
    return TextReadResult::ReadFailed;
}

bool ReplaceTextFile(const char* name, std::string_view text) {
    const std::string path = FollowLinks(name);
    struct stat old;
    const bool hadFile = stat(path.c_str(), &old) == 0;
    if (hadFile && !S_ISREG(old.st_mode)) return false;

    std::string temp = FolderOf(path) + "/." + BaseNameOf(path) + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok = WriteAll(fd, WithCrLf(text));
    if (hadFile && fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Another owner is only possible for root; the permissions below still hold.
    }
    ok = ok && fchmod(fd, hadFile ? old.st_mode & 07777 : NewFileMode()) == 0;
    ok = ok && fsync(fd) == 0;
    if (failNextReplace) {
        failNextReplace = false;
        ok = false;
    }
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        unlink(temp.c_str());
        return false;
    }
    SyncFolder(FolderOf(path));
    return true;
}

void FailNextTextFileReplaceForTesting() { failNextReplace = true; }
