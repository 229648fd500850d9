#include "tests/support/settings_home.h"

#include <cstdlib>

void KeepSettingsIn(const std::filesystem::path& folder) { setenv("XDG_CONFIG_HOME", folder.c_str(), 1); }
