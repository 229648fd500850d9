// Where the program keeps its settings during a test: a scratch folder, never the user's.
#pragma once

#include <filesystem>

// Makes `folder` the system's settings home for the program from now on (on Linux the XDG
// configuration home, on Windows the application data), as the system would name it,
// unless the test program has made a scratch home of its own already (the fake desktop of
// the help tests, whose configuration home GIO reads once).
void KeepSettingsOutOfTheUsersHome(const std::filesystem::path& folder);
