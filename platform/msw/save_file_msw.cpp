// Saving through the Win32 file calls: the new file under the program's own temporary
// name beside the old one, then ReplaceFile, which keeps the old file's attributes and
// security, or a move where nothing stood.
#include "platform/save_file_os.h"

#include <algorithm>
#include <random>
#include <string>

#include <windows.h>

#include "platform/msw/final_path_msw.h"

namespace {

using save_file_os::IsTempName;
using save_file_os::kTempNameAttempts;
using save_file_os::kTempPrefix;
using save_file_os::kTempSuffix;
using save_file_os::NewTempName;

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) return ".\\";
    return path.substr(0, slash + 1);
}

SaveFailure FailureOf(DWORD error, SaveFailure refused) {
    switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return SaveFailure::NoSpace;
    case ERROR_FILENAME_EXCED_RANGE:
        return SaveFailure::NameTooLong;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_SHARING_VIOLATION:
        return refused;
    default:
        return SaveFailure::Failed;
    }
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

// Whether something other than a plain file stands at the path: a folder, a link or
// another reparse point, a device.
bool IsOtherThanFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE));
}

// A save lasts seconds; one whose file is older than this has ended before its time.
constexpr ULONGLONG kLeftoverAge = 10ULL * 60 * 10'000'000;  // ten minutes in 100 ns

ULONGLONG AsNumber(const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// Removes the files of the program's temporary names that saves ended before their time
// left in the folder: plain files only, old enough that no running save still writes them
// (and one still open refuses deletion anyway).
void RemoveLeftovers(const std::string& folder) {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    WIN32_FIND_DATAA found;
    const HANDLE search =
        FindFirstFileA((folder + std::string(kTempPrefix) + "*" + std::string(kTempSuffix)).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (IsTempName(found.cFileName) &&
            !(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) &&
            AsNumber(found.ftLastWriteTime) + kLeftoverAge < AsNumber(now))
            DeleteFileA((folder + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// A new file of the program's own name in the folder, shared with no one while written.
HANDLE CreateTemp(const std::string& folder, std::string& temp, DWORD& error) {
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
        temp = folder + NewTempName();
        const HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        error = GetLastError();
        if (error != ERROR_FILE_EXISTS) break;
    }
    temp.clear();
    return INVALID_HANDLE_VALUE;
}

}  // namespace

namespace save_file_os {

SaveFailure Replace(const char* name, std::string_view bytes, const StillAsAgreed& stillAsAgreed) {
    // Only a file, named directly or through links, is replaced, and the one the links
    // lead to: a folder, a device or a link that leads nowhere stays as it is. Full paths:
    // ReplaceFile does not take relative ones everywhere (wine).
    std::string path;
    if (GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES) {
        path = FinalPathOf(name);
        if (path.empty()) return SaveFailure::NotAFile;
    } else {
        char full[MAX_PATH];
        const DWORD length = GetFullPathNameA(name, MAX_PATH, full, nullptr);
        if (length == 0 || length >= MAX_PATH) return SaveFailure::NameTooLong;
        path.assign(full, length);
    }
    const DWORD attributes = GetFileAttributesA(path.c_str());
    const bool hadFile = attributes != INVALID_FILE_ATTRIBUTES;
    // Nor one that its read-only attribute protects, which Windows would not open for
    // writing either; the Linux build refuses a file without write permission alike.
    if (hadFile && (attributes & FILE_ATTRIBUTE_READONLY)) return SaveFailure::ReadOnly;

    const std::string folder = FolderOf(path);
    RemoveLeftovers(folder);
    std::string temp;
    DWORD error = 0;
    const HANDLE file = CreateTemp(folder, temp, error);
    if (file == INVALID_HANDLE_VALUE) return FailureOf(error, SaveFailure::FolderRefused);
    SaveFailure failure = SaveFailure::None;
    if (!WriteAll(file, bytes) || !FlushFileBuffers(file)) failure = FailureOf(GetLastError(), SaveFailure::Failed);
    if (!CloseHandle(file) && failure == SaveFailure::None) failure = SaveFailure::Failed;
    if (failure == SaveFailure::None && !SaveInterlude()) failure = SaveFailure::Failed;
    // Looked at again as late as it goes, after every question: whatever came to the path
    // since the first look must be a plain file, or nothing when nothing was there.
    if (failure == SaveFailure::None && ((stillAsAgreed && !stillAsAgreed()) || IsOtherThanFile(path) ||
                                         hadFile != (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)))
        failure = SaveFailure::ChangedElsewhere;
    // ReplaceFile keeps the old file's attributes and security, as the Linux build keeps
    // its rights; where it cannot, the new file is moved over the old one. Without a file
    // there first, the move replaces nothing that came meanwhile.
    if (failure == SaveFailure::None &&
        !(hadFile && ReplaceFileA(path.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) &&
        !MoveFileExA(temp.c_str(), path.c_str(), (hadFile ? MOVEFILE_REPLACE_EXISTING : 0) | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
        failure = error == ERROR_ALREADY_EXISTS ? SaveFailure::ChangedElsewhere : FailureOf(error, SaveFailure::ReadOnly);
    }
    if (failure != SaveFailure::None) DeleteFileA(temp.c_str());
    return failure;
}

}  // namespace save_file_os
