// The window's system menu with one entry of the program's own appended behind a
// separator, and the system commands it gives.
#pragma once

#include <functional>
#include <string_view>

class wxDialog;

namespace syscmd {
inline constexpr int kMinimize = 0xF020;
inline constexpr int kClose = 0xF060;
// A command's bits that name it; the system uses the four below them.
inline constexpr int kCommandBits = 0xFFF0;
}  // namespace syscmd

using SystemCommandHandler = std::function<void(int command)>;

// Appends entryText with the given command to the window's system menu (nothing when the
// text is empty) and sends every system command of the window to onCommand.
void AppendSystemMenuEntry(wxDialog& window, std::string_view entryText, int command,
                           SystemCommandHandler onCommand);

// What the platform does with a system command the program leaves alone.
void DefaultSystemCommand(wxDialog& window, int command);
