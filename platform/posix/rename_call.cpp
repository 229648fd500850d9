#include "platform/posix/rename_call.h"

#include <cstdio>

int save_file_os::RenameAt(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags) {
    return renameat2(fromFolder, from, toFolder, to, flags);
}
