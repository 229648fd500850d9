// Where the help page is looked for, and the program found for it.
#pragma once

#include <string>
#include <string_view>

// The help page in a directory: the directory, one separator and the file name, as they
// come. A directory that already ends in a separator (the root) gives two in a row.
std::string HelpFilePath(std::string_view directory);

// text without the white space (space, tab, line feed, vertical tab, form feed, carriage
// return) at its beginning and its end.
std::string TrimWhiteSpace(std::string_view text);
