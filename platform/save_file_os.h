// The operating system's side of platform/save_file.h.
#pragma once

#include <string_view>

#include "platform/save_file.h"

namespace save_file_os {

// Replaces the file's content with bytes as SaveFileBytes describes.
SaveFailure Replace(const char* name, std::string_view bytes, const StillAsAgreed& stillAsAgreed);

// The moment of a save after its checks, with the new file written, just before it is put
// in place; false abandons the save. The program's own (save_interlude.cpp) lets every save
// go on; tests link one of their own to act at that moment.
bool SaveInterlude();

}  // namespace save_file_os
