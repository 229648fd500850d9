// Where the program keeps what it remembers between runs: the system's usual place for a
// user's settings, apart from the gear data in the current folder.
#pragma once

#include <string>

// The folder of Velmor's settings, in the file system's encoding: on Linux velmor/ in the
// XDG configuration home ($XDG_CONFIG_HOME when set to an absolute path, else
// $HOME/.config); on Windows Velmor\ in the user's application data. Empty when the
// system names no such place.
std::string SettingsFolder();

// Makes the folder where missing (on Linux with the folders above it, for the user alone);
// false when it cannot be made or something other than a folder stands there.
bool MakeSettingsFolder(const std::string& folder);
