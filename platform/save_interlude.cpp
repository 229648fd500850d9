// Alone in its file, so that a test program can link its own in its place.
#include "platform/save_file_os.h"

bool save_file_os::SaveInterlude() { return true; }
