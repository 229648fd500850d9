// Where the help page is looked for.
#pragma once

#include <string>
#include <string_view>

// The help page in a directory: the directory, one separator and the file name, as they
// come. A directory that already ends in a separator (the root) gives two in a row.
std::string HelpFilePath(std::string_view directory);
