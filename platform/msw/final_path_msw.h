// Where a name leads on Windows, behind any links.
#pragma once

#include <string>

// The file the name leads to, behind any links, as a full path; empty when it leads to
// no file (a folder, a device, nowhere). Opened without access, which reads nothing and
// never waits.
std::string FinalPathOf(const char* name);
