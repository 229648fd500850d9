#include "platform/settings_location.h"

#include <cerrno>
#include <cstdlib>

#include <sys/stat.h>

namespace {

// Per the XDG base directory rules: a relative or empty value is to be ignored.
std::string ConfigurationHome() {
    if (const char* set = std::getenv("XDG_CONFIG_HOME"); set && set[0] == '/') return set;
    if (const char* home = std::getenv("HOME"); home && home[0] == '/') return std::string(home) + "/.config";
    return {};
}

constexpr mode_t kUserOnly = 0700;

}  // namespace

std::string SettingsFolder() {
    const std::string home = ConfigurationHome();
    return home.empty() ? home : home + "/velmor";
}

bool MakeSettingsFolder(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), kUserOnly) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    struct stat st;
    return stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
