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

// The file the name leads to, behind any links, as a full path; empty when it leads to
// no file (a folder, a device, nowhere). Opened without access, which reads nothing and
// never waits.
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

// Whether something other than a plain file stands at the path: a folder, a link or
// another reparse point, a device.
bool IsOtherThanFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE));
}

// A save's temporary name, as GetTempFileName makes it: the prefix, one to four
// hexadecimal digits, ".tmp".
constexpr char kTempPrefix[] = "vel";

bool IsTempName(std::string_view entry) {
    constexpr std::string_view prefix = kTempPrefix, suffix = ".tmp";
    if (!entry.starts_with(prefix) || !entry.ends_with(suffix)) return false;
    const std::string_view digits = entry.substr(prefix.size(), entry.size() - prefix.size() - suffix.size());
    return !digits.empty() && digits.size() <= 4 &&
           digits.find_first_not_of("0123456789ABCDEFabcdef") == std::string_view::npos;
}

// Removes the files of temporary names that saves ended before their time left in the
// folder.
void RemoveLeftovers(const std::string& folder) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + kTempPrefix + "*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (IsTempName(found.cFileName) &&
            !(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
            DeleteFileA((folder + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
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

FileVersion VersionOf(const char* name) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    const std::string path = FinalPathOf(name);
    if (path.empty() || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return {};
    return {true, (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
            static_cast<long long>((static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                                   data.ftLastWriteTime.dwLowDateTime)};
}

bool Replace(const char* name, std::string_view bytes) {
    // Only a file, named directly or through links, is replaced, and the one the links
    // lead to: a folder, a device or a link that leads nowhere stays as it is. Full paths:
    // ReplaceFile does not take relative ones everywhere (wine).
    std::string path;
    if (Exists(name)) {
        path = FinalPathOf(name);
    } else {
        char full[MAX_PATH];
        const DWORD length = GetFullPathNameA(name, MAX_PATH, full, nullptr);
        if (length > 0 && length < MAX_PATH) path.assign(full, length);
    }
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    const bool hadFile = attributes != INVALID_FILE_ATTRIBUTES;
    // Nor one that its read-only attribute protects, which Windows would not open for
    // writing either.
    if (hadFile && (attributes & FILE_ATTRIBUTE_READONLY)) return false;

    const std::string folder = FolderOf(path);
    RemoveLeftovers(folder);
    char temp[MAX_PATH];
    if (GetTempFileNameA(folder.c_str(), kTempPrefix, 0, temp) == 0) return false;
    const HANDLE file = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    bool ok = file != INVALID_HANDLE_VALUE;
    ok = ok && WriteAll(file, bytes);
    ok = ok && FlushFileBuffers(file);
    if (file != INVALID_HANDLE_VALUE) ok = CloseHandle(file) && ok;
    // Looked at again as late as it goes: whatever came to the path since the first look
    // must be a plain file, or nothing when nothing was there.
    ok = ok && SaveInterlude() && !IsOtherThanFile(path);
    // ReplaceFile keeps the old file's attributes and security, as the Linux build keeps
    // its permissions; where it cannot, the new file is moved over the old one. Without a
    // file there first, the move replaces nothing that came meanwhile.
    ok = ok && ((hadFile && ReplaceFileA(path.c_str(), temp, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                                         nullptr, nullptr)) ||
                MoveFileExA(temp, path.c_str(),
                            (hadFile ? MOVEFILE_REPLACE_EXISTING : 0) | MOVEFILE_WRITE_THROUGH));
    if (!ok) DeleteFileA(temp);
    return ok;
}

}  // namespace text_file_os
