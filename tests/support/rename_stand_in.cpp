// Linked into the unit tests in place of the program's own rename call.
#include "tests/support/rename_stand_in.h"

#include <atomic>
#include <cerrno>
#include <cstdio>

#include "platform/posix/rename_call.h"

namespace {
std::atomic<unsigned> refusedFlags{0};
std::atomic<int> refusal{0};
}  // namespace

void RefuseRenameFlags(unsigned flags, int error) {
    refusal = error;
    refusedFlags = flags;
}

int save_file_os::RenameAt(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags) {
    if (flags & refusedFlags) {
        errno = refusal;
        return -1;
    }
    return renameat2(fromFolder, from, toFolder, to, flags);
}
