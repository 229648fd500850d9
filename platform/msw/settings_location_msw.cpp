// The roaming application data of the user, as the ANSI file calls name it.
#include "platform/settings_location.h"

#include <windows.h>

std::string SettingsFolder() {
    char folder[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("APPDATA", folder, MAX_PATH);
    // "?" stands for a character that the code page lacks: no name leads there.
    if (length == 0 || length >= MAX_PATH || std::string(folder, length).find('?') != std::string::npos)
        return {};
    return std::string(folder, length) + "\\Velmor";
}

bool MakeSettingsFolder(const std::string& folder) {
    if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
