#include "app/help_file.h"

#include <filesystem>

#include "res/strings.h"

std::string HelpFilePath(std::string_view directory) {
    std::string path(directory);
    path += static_cast<char>(std::filesystem::path::preferred_separator);
    path += text::kHelpFileName;
    return path;
}
