// The window's system menu with entries of the program's own appended behind a
// separator, and the system commands it gives.
#pragma once

#include <functional>
#include <span>
#include <string_view>

class wxDialog;

namespace syscmd {
inline constexpr int kMinimize = 0xF020;
inline constexpr int kClose = 0xF060;
}  // namespace syscmd

using SystemCommandHandler = std::function<void(int command)>;

struct SystemMenuEntry {
    std::string_view text;  // an empty text adds no entry
    int command;
};

// Appends the entries to the window's system menu and sends every system command of the
// window to onCommand.
void AppendSystemMenuEntries(wxDialog& window, std::span<const SystemMenuEntry> entries,
                             SystemCommandHandler onCommand);

// What the platform does with a system command the program leaves alone.
void DefaultSystemCommand(wxDialog& window, int command);
