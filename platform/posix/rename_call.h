// The file system's rename, alone in its own object so that a test program can link one that
// answers as file systems without some of its flags do (FUSE, network file systems).
#pragma once

namespace save_file_os {

// renameat2(2): 0, or -1 with errno set.
int RenameAt(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags);

}  // namespace save_file_os
