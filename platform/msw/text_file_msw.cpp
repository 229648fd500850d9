// Files through the C runtime in binary mode (the line ends are text_file.cpp's) and,
// for replacing, the Win32 file calls.
#include "platform/text_file_os.h"

#include <algorithm>
#include <climits>
#include <string>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) return ".";
    return path.substr(0, slash + 1);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// Whether the name leads to a file, behind any links: not to a folder, a device or
// nowhere. Opened without access, which reads nothing and never waits.
bool LeadsToFile(const char* name) {
    const HANDLE file = CreateFileA(name, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info;
    const bool leads = GetFileType(file) == FILE_TYPE_DISK &&
                       GetFileInformationByHandle(file, &info) &&
                       !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    CloseHandle(file);
    return leads;
}

}  // namespace

namespace text_file_os {

bool Exists(const char* name) { return GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES; }

int OpenRegular(const char* name, std::size_t& size) {
    const int fd = _open(name, _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) return -1;
    struct _stat64 st;
    if (_fstat64(fd, &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG) {
        _close(fd);
        return -1;
    }
    size = static_cast<std::size_t>(st.st_size);
    return fd;
}

long long Read(int fd, char* buffer, std::size_t size) {
    return _read(fd, buffer, static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX)));
}

void Close(int fd) { _close(fd); }

bool Replace(const char* name, std::string_view bytes, bool failBeforeRename) {
    // Only a file, named directly or through links, is replaced: a folder or a link that
    // leads nowhere stays as it is.
    const bool hadFile = Exists(name);
    if (hadFile && !LeadsToFile(name)) return false;

    // Full paths: ReplaceFile does not take relative ones everywhere (wine).
    char path[MAX_PATH];
    const DWORD length = GetFullPathNameA(name, MAX_PATH, path, nullptr);
    if (length == 0 || length >= MAX_PATH) return false;
    char temp[MAX_PATH];
    if (GetTempFileNameA(FolderOf(path).c_str(), "vel", 0, temp) == 0) return false;
    const HANDLE file = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    bool ok = file != INVALID_HANDLE_VALUE;
    ok = ok && WriteAll(file, bytes);
    ok = ok && FlushFileBuffers(file);
    if (file != INVALID_HANDLE_VALUE) ok = CloseHandle(file) && ok;
    if (failBeforeRename) ok = false;
    // ReplaceFile keeps the old file's attributes and security, as the Linux build keeps
    // its permissions; where it cannot, the new file is moved over the old one.
    ok = ok && ((hadFile && ReplaceFileA(path, temp, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                                         nullptr, nullptr)) ||
                MoveFileExA(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    if (!ok) DeleteFileA(temp);
    return ok;
}

}  // namespace text_file_os
