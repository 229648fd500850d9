// The shell's association: FindExecutableA for the program, ShellExecuteA to start it.
#include "platform/associated_program.h"

#include <shellapi.h>

AssociatedProgram AssociatedProgram::For(const std::string& path) {
    AssociatedProgram found;
    char executable[MAX_PATH] = {};
    const auto rc = reinterpret_cast<INT_PTR>(FindExecutableA(path.c_str(), nullptr, executable));
    if (rc > 32) found.path_ = executable;
    return found;
}

void AssociatedProgram::Open(const std::string& path) const {
    if (path_.empty()) return;
    // Quoted, so that a folder with spaces still names one file.
    const std::string argument = "\"" + path + "\"";
    ShellExecuteA(nullptr, "open", path_.c_str(), argument.c_str(), nullptr, SW_SHOWNORMAL);
}
