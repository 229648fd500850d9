#include "tests/support/settings_home.h"

#include <windows.h>

void KeepSettingsIn(const std::filesystem::path& folder) {
    SetEnvironmentVariableA("APPDATA", folder.string().c_str());
}

void KeepSettingsOutOfTheUsersHome(const std::filesystem::path& folder) { KeepSettingsIn(folder); }
