#include "tests/support/settings_home.h"

#include <windows.h>

void KeepSettingsOutOfTheUsersHome(const std::filesystem::path& folder) {
    SetEnvironmentVariableA("APPDATA", folder.string().c_str());
}
