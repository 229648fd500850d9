// The one way every file Velmor writes reaches the disk (gear data, pictures, tables): the
// bytes are made in memory, go to a new file of the program's own that no other user can
// reach, and that file takes the old one's place in one atomic step, or nothing changes.
#pragma once

#include <functional>
#include <string_view>

// Why a save did not happen; the old file is then as it was, and nothing is left beside it
// that the next save does not remove.
enum class SaveFailure {
    None,
    NotAFile,          // a folder, a pipe, a device, a link that leads nowhere or in a circle
    LinkRefused,       // another user's link in a folder everyone may write to (sticky)
    ReadOnly,          // read-only for everyone (root too), or protected from this user
    FolderRefused,     // the folder takes no new file: no right, read-only or append-only
    NameTooLong,       // longer than the file system allows
    ChangedElsewhere,  // the file changed after the user's answer, before it was put in place
    NoSpace,           // the disk, the quota or the size limit is full
    Failed,            // anything else on the way (an I/O error, a folder that went away)
};

struct SaveResult {
    SaveFailure failure = SaveFailure::None;
    explicit operator bool() const { return failure == SaveFailure::None; }
};

// Called once the new file is written, right before it is put in place, with the program's
// end signals held: false when the file at the name is no longer the one the user agreed
// to replace, which gives SaveFailure::ChangedElsewhere.
using StillAsAgreed = std::function<bool()>;

// Replaces the file at `name` (in the file system's own encoding) with the bytes, written as
// they are. A symbolic link keeps pointing at the file it names, which is the file replaced,
// but only as the kernel's protected-symlinks rule would follow it, whether or not the system
// has that rule on. The replaced file keeps its owner (where the user may set it), group
// (where the user belongs to it), mode, ACL and extended attributes; where one of these
// cannot be kept, access is narrowed, never widened. A file that no one may write (mode
// without any write bit; the read-only attribute) is refused for every user.
SaveResult SaveFileBytes(const char* name, std::string_view bytes, const StillAsAgreed& stillAsAgreed = {});

// SaveFileBytes for a text of the program's: each line feed written as CR LF.
SaveResult SaveTextFile(const char* name, std::string_view text, const StillAsAgreed& stillAsAgreed = {});
