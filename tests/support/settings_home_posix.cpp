#include "tests/support/settings_home.h"

#include <cstdlib>
#include <string>
#include <string_view>

// Scratch folders are the tests' TempFolders, "velmor-" and a number in the temporary folder.
void KeepSettingsOutOfTheUsersHome(const std::filesystem::path& folder) {
    const char* home = std::getenv("XDG_CONFIG_HOME");
    const std::string scratch = (std::filesystem::temp_directory_path() / "velmor-").string();
    if (!home || !std::string_view(home).starts_with(scratch)) setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
}
