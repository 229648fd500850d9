#include "platform/msw/final_path_msw.h"

#include <windows.h>

std::string FinalPathOf(const char* name) {
    const HANDLE file = CreateFileA(name, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    BY_HANDLE_FILE_INFORMATION info;
    char path[MAX_PATH];
    DWORD length = 0;
    if (GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) &&
        !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        length = GetFinalPathNameByHandleA(file, path, MAX_PATH, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    CloseHandle(file);
    if (length == 0 || length >= MAX_PATH) return {};
    // Without the prefix that lifts the length limit, which not every call takes (wine).
    const std::string final(path, length);
    if (final.starts_with("\\\\?\\UNC\\")) return "\\" + final.substr(7);
    if (final.starts_with("\\\\?\\")) return final.substr(4);
    return final;
}
