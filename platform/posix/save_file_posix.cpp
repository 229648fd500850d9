// Saving through Linux's calls. Every step after the folder is opened is relative to that
// folder's descriptor, and the new file is only ever written through its own descriptor:
// nothing is reopened by name, so nothing another user swaps in is written or read.
#include "platform/save_file_os.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "platform/posix/rename_call.h"

namespace {

using save_file_os::IsTempName;
using save_file_os::kTempNameAttempts;
using save_file_os::NewTempName;

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) close(fd_);
    }
    Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Fd& operator=(Fd&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }
    int Release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// What an error of the file system tells the user, where the step itself names no better
// reason.
SaveFailure FailureOf(int error, SaveFailure refused) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return SaveFailure::NoSpace;
    case ENAMETOOLONG:
        return SaveFailure::NameTooLong;
    case EACCES:
    case EPERM:
    case EROFS:
        return refused;
    default:
        return SaveFailure::Failed;
    }
}

// The signals that ask a program to end. While a save puts its file in place, whichever
// thread takes one (the toolkit's threads included) only notes it; it takes effect once the
// save has ended, with what the program had set for it. A file larger than the system's
// limit for this process fails its write (as a full disk does) instead of ending it.
constexpr int kEndSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};
volatile std::sig_atomic_t noted[std::size(kEndSignals)];

extern "C" void NoteEndSignal(int signal) {
    for (std::size_t i = 0; i < std::size(kEndSignals); ++i)
        if (kEndSignals[i] == signal) noted[i] = 1;
}

class EndSignalsHeld {
public:
    EndSignalsHeld() {
        const std::lock_guard lock(mutex_);
        if (holders_++ > 0) return;
        struct sigaction noting {};
        noting.sa_handler = NoteEndSignal;
        noting.sa_flags = SA_RESTART;
        sigfillset(&noting.sa_mask);
        for (std::size_t i = 0; i < std::size(kEndSignals); ++i) sigaction(kEndSignals[i], &noting, &previous_[i]);
        struct sigaction ignoring {};
        ignoring.sa_handler = SIG_IGN;
        sigaction(SIGXFSZ, &ignoring, &previousSizeLimit_);
    }
    ~EndSignalsHeld() {
        const std::lock_guard lock(mutex_);
        if (--holders_ > 0) return;
        sigaction(SIGXFSZ, &previousSizeLimit_, nullptr);
        for (std::size_t i = 0; i < std::size(kEndSignals); ++i) {
            sigaction(kEndSignals[i], &previous_[i], nullptr);
            const bool wasNoted = noted[i];
            noted[i] = 0;
            // To the process, not this thread: a thread that blocks it lets another take it.
            if (wasNoted) kill(getpid(), kEndSignals[i]);
        }
    }
    EndSignalsHeld(const EndSignalsHeld&) = delete;
    EndSignalsHeld& operator=(const EndSignalsHeld&) = delete;

private:
    // Saves in several threads at once hold them together; the last to end lets them go.
    static inline std::mutex mutex_;
    static inline int holders_ = 0;
    static inline std::array<struct sigaction, std::size(kEndSignals)> previous_{};
    static inline struct sigaction previousSizeLimit_ {};
};

// A new file of the program's own name in the folder, locked for as long as it is open, so
// that no other save takes it for a leftover. Another save may have taken it for one
// between its making and the lock; it is then no longer at its name, and another is made.
Fd CreateTemp(int folder, mode_t mode, std::string& temp, int& error) {
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
        temp = NewTempName();
        Fd fd(openat(folder, temp.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, mode));
        if (!fd.ok()) {
            if (errno == EEXIST) continue;
            error = errno;
            return Fd();
        }
        flock(fd.get(), LOCK_EX);  // where the file system has no locks, no save can take it either
        struct stat mine, named;
        if (fstat(fd.get(), &mine) == 0 && fstatat(folder, temp.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            SameFile(mine, named))
            return fd;
    }
    temp.clear();
    error = EEXIST;
    return Fd();
}

// Removes what saves ended before their time (killed, or their disk gone) left in the
// folder: files of the program's temporary names only, regular, this user's, and held by no
// running save (whose lock would refuse).
void RemoveLeftovers(int folder) {
    Fd listing(openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    DIR* entries = listing.ok() ? fdopendir(listing.get()) : nullptr;
    if (entries == nullptr) return;
    listing.Release();  // closedir closes it
    const uid_t me = geteuid();
    while (const dirent* entry = readdir(entries)) {
        if (!IsTempName(entry->d_name)) continue;
        struct stat named, held;
        // Looked at before opening: opening a device may act on it.
        if (fstatat(folder, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode) ||
            named.st_uid != me)
            continue;
        const Fd fd(openat(folder, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (fd.ok() && fstat(fd.get(), &held) == 0 && SameFile(named, held) && flock(fd.get(), LOCK_EX | LOCK_NB) == 0 &&
            fstatat(folder, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(named, held))
            unlinkat(folder, entry->d_name, 0);
    }
    closedir(entries);
}

// The folder and the last part of a path: "." for a bare name; the last part is empty when
// the path ends in a slash.
std::pair<std::string, std::string> Split(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) return {".", std::string(path)};
    return {slash == 0 ? "/" : std::string(path.substr(0, slash)), std::string(path.substr(slash + 1))};
}

// The kernel's protected-symlinks rule: in a sticky folder that everyone may write to, a
// link is followed only when it is the user's own or the folder owner's.
bool MayFollow(const struct stat& folder, const struct stat& link) {
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return !shared || link.st_uid == geteuid() || link.st_uid == folder.st_uid;
}

constexpr int kMaxLinks = 40;  // as the kernel's own limit

// Where the save goes: the folder of the file that the name leads to and its name there,
// and what stands there now.
struct Place {
    Fd folder;
    std::string base;
    bool exists = false;
    struct stat target {};
};

// Follows links one at a time, each relative to the folder it stands in and only as the
// kernel would; the folders on the way the kernel opens itself.
SaveFailure Locate(const char* name, Place& place) {
    auto [folderPath, base] = Split(name);
    place.folder = Fd(open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!place.folder.ok()) return FailureOf(errno, SaveFailure::FolderRefused);
    for (int links = 0;; ++links) {
        if (base.empty() || base == "." || base == "..") return SaveFailure::NotAFile;
        struct stat& st = place.target;
        if (fstatat(place.folder.get(), base.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT) return FailureOf(errno, SaveFailure::FolderRefused);
            place.base = std::move(base);
            // A link that leads nowhere is no file to replace.
            return links == 0 ? SaveFailure::None : SaveFailure::NotAFile;
        }
        if (!S_ISLNK(st.st_mode)) break;
        struct stat folder;
        if (links == kMaxLinks || fstat(place.folder.get(), &folder) != 0) return SaveFailure::NotAFile;
        if (!MayFollow(folder, st)) return SaveFailure::LinkRefused;
        std::string link(static_cast<std::size_t>(st.st_size) + 1, '\0');
        const ssize_t length = readlinkat(place.folder.get(), base.c_str(), link.data(), link.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= link.size()) return SaveFailure::ChangedElsewhere;
        link.resize(static_cast<std::size_t>(length));
        std::tie(folderPath, base) = Split(link);
        Fd next(openat(link.front() == '/' ? AT_FDCWD : place.folder.get(), folderPath.c_str(),
                       O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!next.ok()) return errno == ENOENT ? SaveFailure::NotAFile : FailureOf(errno, SaveFailure::FolderRefused);
        place.folder = std::move(next);
    }
    place.base = std::move(base);
    place.exists = true;
    return S_ISREG(place.target.st_mode) ? SaveFailure::None : SaveFailure::NotAFile;
}

// The inode flags (chattr) of an open folder; none where the file system has none.
unsigned InodeFlags(int fd) {
    int flags = 0;
    return ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 ? static_cast<unsigned>(flags) : 0u;
}
constexpr unsigned kUnchangeable = FS_IMMUTABLE_FL | FS_APPEND_FL;

constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask or the folder's default ACL
constexpr mode_t kScratchMode = 0600;  // until it has the replaced file's rights
constexpr mode_t kGroupBits = 0070;
constexpr mode_t kOtherBits = 0007;
constexpr int kOtherToGroup = 3;

// The mode with no more for the file's group than for others: for a group that is not the
// replaced file's own, whose members had only what others had.
mode_t GroupNoMoreThanOthers(mode_t mode) { return (mode & ~kGroupBits) | (mode & (mode & kOtherBits) << kOtherToGroup); }

constexpr char kAccessAcl[] = "system.posix_acl_access";
constexpr std::string_view kUserAttributes = "user.";

// The value of one extended attribute of an open file; nothing when it has none.
std::optional<std::string> Attribute(int fd, const char* name) {
    for (;;) {
        const ssize_t size = fgetxattr(fd, name, nullptr, 0);
        if (size < 0) return std::nullopt;
        std::string value(static_cast<std::size_t>(size), '\0');
        const ssize_t read = fgetxattr(fd, name, value.data(), value.size());
        if (read >= 0 && read <= size) return value.substr(0, static_cast<std::size_t>(read));
        if (errno != ERANGE) return std::nullopt;  // it grew in between: again
    }
}

// The user's own extended attributes (user.*) of an open file, by name.
std::vector<std::pair<std::string, std::string>> UserAttributes(int fd) {
    std::vector<std::pair<std::string, std::string>> found;
    const ssize_t size = flistxattr(fd, nullptr, 0);
    if (size <= 0) return found;
    std::string names(static_cast<std::size_t>(size), '\0');
    const ssize_t listed = flistxattr(fd, names.data(), names.size());
    if (listed <= 0) return found;
    names.resize(static_cast<std::size_t>(listed));
    for (std::size_t at = 0; at < names.size();) {
        const std::string name = names.c_str() + at;
        at += name.size() + 1;
        if (!name.starts_with(kUserAttributes)) continue;
        if (std::optional<std::string> value = Attribute(fd, name.c_str())) found.emplace_back(name, std::move(*value));
    }
    return found;
}

// The group bits a mode may keep without its ACL: an ACL's mode shows its mask as the group
// bits, which may be more than the owning group has (0640 + u:x:rw reads 0660).
mode_t GroupBitsWithoutAcl(mode_t mode, std::string_view acl) {
    constexpr std::size_t kHeader = 4, kEntry = 8;
    constexpr std::uint16_t kGroupObject = 0x04;
    mode_t group = mode & kGroupBits;
    for (std::size_t at = kHeader; at + kEntry <= acl.size(); at += kEntry) {
        std::uint16_t tag, permissions;
        std::memcpy(&tag, acl.data() + at, sizeof tag);
        std::memcpy(&permissions, acl.data() + at + sizeof tag, sizeof permissions);
        if (tag == kGroupObject) group &= static_cast<mode_t>(permissions & 07) << kOtherToGroup;
    }
    return group;
}

// Gives the new file the replaced file's owner, group, mode, ACL and the user's extended
// attributes, as far as this user may; where one cannot be kept, the mode is narrowed so
// that no one gains access: another group gets at most what others had, and without the
// ACL the owning group keeps no more than its own entry gave it.
bool KeepRights(int fd, int old, const struct stat& was) {
    const bool root = geteuid() == 0;
    const bool groupKept = fchown(fd, root ? was.st_uid : static_cast<uid_t>(-1), was.st_gid) == 0;
    mode_t mode = was.st_mode & 0777;  // never set-id bits on a file written anew
    if (!groupKept) mode = GroupNoMoreThanOthers(mode);
    const std::optional<std::string> acl = old >= 0 ? Attribute(old, kAccessAcl) : std::nullopt;
    if (acl) {
        if (fsetxattr(fd, kAccessAcl, acl->data(), acl->size(), 0) != 0)
            mode = (mode & ~kGroupBits) | GroupBitsWithoutAcl(mode, *acl);
    } else {
        // Nor what the folder's default ACL gave the new file.
        fremovexattr(fd, kAccessAcl);
        // Unreadable, the old file's ACL is unknown: its group bits may be a mask.
        if (old < 0) mode = GroupNoMoreThanOthers(mode);
    }
    if (old >= 0)
        for (const auto& [name, value] : UserAttributes(old)) fsetxattr(fd, name.c_str(), value.data(), value.size(), 0);
    return fchmod(fd, mode) == 0;
}

bool WriteAll(int fd, std::string_view bytes, int& error) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = n < 0 ? errno : ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Whether a file system answers that it lacks a rename flag.
bool Unsupported(int error) { return error == EINVAL || error == ENOSYS || error == ENOTSUP || error == EOPNOTSUPP; }

// Puts the new file (at temp) where nothing stood at the check: never over anything that
// came meanwhile. Without RENAME_NOREPLACE a hard link, which never replaces either; without
// links a plain rename, the place looked at just before.
SaveFailure PutInNewPlace(int folder, const char* temp, const char* base) {
    if (save_file_os::RenameAt(folder, temp, folder, base, RENAME_NOREPLACE) == 0) return SaveFailure::None;
    if (errno == EEXIST) return SaveFailure::ChangedElsewhere;
    if (!Unsupported(errno)) return FailureOf(errno, SaveFailure::FolderRefused);
    if (linkat(folder, temp, folder, base, 0) == 0) return SaveFailure::None;  // temp goes after
    if (errno == EEXIST) return SaveFailure::ChangedElsewhere;
    struct stat st;
    if (fstatat(folder, base, &st, AT_SYMLINK_NOFOLLOW) == 0 || errno != ENOENT) return SaveFailure::ChangedElsewhere;
    return renameat(folder, temp, folder, base) == 0 ? SaveFailure::None : FailureOf(errno, SaveFailure::FolderRefused);
}

// Puts the new file (at temp) in the place of a file. The exchange is atomic, and both what
// it took out and what it put in must be regular files, or it is undone: another save may
// have come in between (the last one wins), but nothing else that was swapped in stays.
// Where the file system lacks the exchange, a plain rename, the place looked at just before.
SaveFailure PutInOldPlace(int folder, const char* temp, const char* base) {
    struct stat out, in;
    if (save_file_os::RenameAt(folder, temp, folder, base, RENAME_EXCHANGE) != 0) {
        if (!Unsupported(errno)) return FailureOf(errno, SaveFailure::ReadOnly);
        if (fstatat(folder, base, &out, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(out.st_mode))
            return SaveFailure::ChangedElsewhere;
        return renameat(folder, temp, folder, base) == 0 ? SaveFailure::None : FailureOf(errno, SaveFailure::ReadOnly);
    }
    // What came out is no longer locked: another save may already have removed it as a
    // leftover, which it does to regular files only.
    const bool outRegular =
        fstatat(folder, temp, &out, AT_SYMLINK_NOFOLLOW) == 0 ? S_ISREG(out.st_mode) : errno == ENOENT;
    if (outRegular && fstatat(folder, base, &in, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(in.st_mode))
        return SaveFailure::None;
    save_file_os::RenameAt(folder, temp, folder, base, RENAME_EXCHANGE);
    return SaveFailure::ChangedElsewhere;
}

// Whether the file may be replaced: one that no one may write is refused for every user,
// root too, as the Windows build refuses a read-only file; so is one whose permissions
// protect it from this user, though the folder would let the user replace it. (An immutable
// or append-only file the exchange itself refuses.)
bool Replaceable(const Place& place) {
    if ((place.target.st_mode & 0222) == 0) return false;
    return faccessat(place.folder.get(), place.base.c_str(), W_OK, AT_EACCESS) == 0;
}

SaveFailure ReplaceIn(Place& place, std::string_view bytes, const StillAsAgreed& stillAsAgreed) {
    const int folder = place.folder.get();
    // The old file, opened to read its rights; one the user may write but not read has none
    // to read. Never waits nor acts on anything swapped in (O_NONBLOCK, O_NOFOLLOW); another
    // save's file that came meanwhile is the one replaced.
    Fd old;
    if (place.exists) {
        old = Fd(openat(folder, place.base.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat opened;
        if (old.ok() && (fstat(old.get(), &opened) != 0 || !S_ISREG(opened.st_mode)))
            return SaveFailure::ChangedElsewhere;
        if (old.ok()) place.target = opened;
        if (!Replaceable(place)) return SaveFailure::ReadOnly;
    }
    // A folder that keeps every name once made would keep the temporary file too.
    if (InodeFlags(folder) & kUnchangeable) return SaveFailure::FolderRefused;

    const EndSignalsHeld held;
    RemoveLeftovers(folder);
    std::string temp;
    int error = 0;
    Fd fd = CreateTemp(folder, place.exists ? kScratchMode : kNewFileMode, temp, error);
    if (!fd.ok()) return FailureOf(error, SaveFailure::FolderRefused);
    SaveFailure failure = SaveFailure::None;
    if (!WriteAll(fd.get(), bytes, error) || fsync(fd.get()) != 0)
        failure = FailureOf(error ? error : errno, SaveFailure::Failed);
    else if (place.exists && !KeepRights(fd.get(), old.get(), place.target))
        failure = SaveFailure::Failed;
    else if (!save_file_os::SaveInterlude())
        failure = SaveFailure::Failed;
    else if (stillAsAgreed && !stillAsAgreed())
        failure = SaveFailure::ChangedElsewhere;
    else
        failure = place.exists ? PutInOldPlace(folder, temp.c_str(), place.base.c_str())
                               : PutInNewPlace(folder, temp.c_str(), place.base.c_str());
    // The old file after the exchange, the new one after a failure or a link, nothing after
    // a rename: removed while still locked, so that no other save looks at it meanwhile.
    unlinkat(folder, temp.c_str(), 0);
    if (failure == SaveFailure::None) fsync(folder);  // makes the rename itself durable
    return failure;
}

}  // namespace

SaveFailure save_file_os::Replace(const char* name, std::string_view bytes, const StillAsAgreed& stillAsAgreed) {
    Place place;
    const SaveFailure located = Locate(name, place);
    return located == SaveFailure::None ? ReplaceIn(place, bytes, stillAsAgreed) : located;
}
