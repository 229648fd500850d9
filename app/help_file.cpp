#include "app/help_file.h"

#include <filesystem>

#include "res/strings.h"

std::string HelpFilePath(std::string_view directory) {
    std::string path(directory);
    path += static_cast<char>(std::filesystem::path::preferred_separator);
    path += text::kHelpFileName;
    return path;
}

std::string TrimWhiteSpace(std::string_view text) {
    constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";
    const auto first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(kWhiteSpace);
    return std::string(text.substr(first, last - first + 1));
}
