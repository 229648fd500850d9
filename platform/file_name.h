// A path the user picked, as the bytes that the file calls of platform/text_file.h take.
#pragma once

#include <string>

#include <wx/string.h>

// Empty when the path has a character that the file system's encoding lacks.
std::string FileSystemName(const wxString& path);

// The path that such bytes name, for a dialog to show.
wxString FromFileSystemName(const std::string& name);
