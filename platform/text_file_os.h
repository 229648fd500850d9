// The operating system's side of platform/text_file.cpp: bytes as stored, no line ends.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/text_file.h"

namespace text_file_os {

// Whether anything stands at the name, a link that leads nowhere included.
bool Exists(const char* name);

// Opens a regular file for reading and tells its size; -1 when it cannot be opened or
// is no regular file. Never waits: a named pipe is refused, not opened for a writer.
int OpenRegular(const char* name, std::size_t& size);
// Reads up to size bytes: how many, 0 at the end of the file, -1 on an error.
long long Read(int fd, char* buffer, std::size_t size);
void Close(int fd);

// Size and time of last change of the file that links lead to.
FileVersion VersionOf(const char* name);

// Replaces the file's content with bytes as ReplaceTextFile describes.
bool Replace(const char* name, std::string_view bytes);

// The moment of a save after its checks, with the new file written, just before it is put
// in place; false abandons the save. The program's own (text_file_interlude.cpp) lets
// every save go on; tests link one of their own to act at that moment.
bool SaveInterlude();

}  // namespace text_file_os
