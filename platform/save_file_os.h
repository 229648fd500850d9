// The operating system's side of platform/save_file.h.
#pragma once

#include <string>
#include <string_view>

#include "platform/save_file.h"

namespace save_file_os {

// Replaces the file's content with bytes as SaveFileBytes describes.
SaveFailure Replace(const char* name, std::string_view bytes, const StillAsAgreed& stillAsAgreed);

// The moment of a save after its checks, with the new file written, just before it is put
// in place; false abandons the save. The program's own (save_interlude.cpp) lets every save
// go on; tests link one of their own to act at that moment.
bool SaveInterlude();

// The program's own temporary names, the same in every folder and for every file, so that
// no other program's file (".name.XXXXXX", ".name.backup") ever looks like one.
inline constexpr std::string_view kTempPrefix = ".velmor-save-";
inline constexpr std::string_view kTempSuffix = ".tmp";
inline constexpr int kTempNameAttempts = 100;  // of a new name, where another save took one

// A new name of the program's own, with a random tag.
std::string NewTempName();

// Whether a folder's entry is one of the program's own temporary names.
bool IsTempName(std::string_view entry);

}  // namespace save_file_os
