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

}  // namespace text_file_os
