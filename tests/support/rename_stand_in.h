// The file system's rename as the tests have it: as the system's, or as a file system that
// lacks some of its flags answers (FUSE pass-through, network file systems).
#pragma once

// Renames with any of `flags` then fail with `error`, until told otherwise (0: none).
void RefuseRenameFlags(unsigned flags, int error);

// While it lives, renames refuse the flags as above.
class RenameFlagsRefused {
public:
    RenameFlagsRefused(unsigned flags, int error) { RefuseRenameFlags(flags, error); }
    ~RenameFlagsRefused() { RefuseRenameFlags(0, 0); }
    RenameFlagsRefused(const RenameFlagsRefused&) = delete;
    RenameFlagsRefused& operator=(const RenameFlagsRefused&) = delete;
};
