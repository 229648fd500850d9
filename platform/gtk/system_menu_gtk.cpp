// GTK offers programs no window-manager menu to extend, so the system menu is a popup on
// the window's background (right click) and on Shift+F10 or the Menu key.
#include "platform/system_menu.h"

#include <string>
#include <utility>
#include <vector>

#include <wx/dialog.h>
#include <wx/menu.h>

#include "platform/widget_text.h"
#include "res/strings.h"

namespace {

struct Entry {
    int command;
    int menuId;  // menu item ids must stay below 0x7FFF, system commands do not
    const char* text;
};
// The platform's own entries, then the program's.
constexpr Entry kStandardEntries[] = {
    {syscmd::kMinimize, wxID_ICONIZE_FRAME, text::kMinimizeMenuEntry},
    {syscmd::kClose, wxID_CLOSE_FRAME, text::kCloseMenuEntry},
};

// The program's entries: command and text.
using ProgramEntries = std::vector<std::pair<int, wxString>>;

void ShowSystemMenu(wxDialog& window, const ProgramEntries& entries,
                    const SystemCommandHandler& onCommand, wxPoint at) {
    wxMenu menu;
    for (const Entry& entry : kStandardEntries) menu.Append(entry.menuId, ToWidgetText(entry.text));
    menu.AppendSeparator();
    for (const auto& [command, text] : entries) menu.Append(command, text);
    const int chosen = window.GetPopupMenuSelectionFromUser(menu, at);
    for (const Entry& entry : kStandardEntries)
        if (chosen == entry.menuId) return onCommand(entry.command);
    for (const auto& [command, text] : entries)
        if (chosen == command) return onCommand(command);
}

}  // namespace

void AppendSystemMenuEntries(wxDialog& window, std::span<const SystemMenuEntry> entries,
                             SystemCommandHandler onCommand) {
    ProgramEntries shown;
    for (const SystemMenuEntry& entry : entries)
        if (!entry.text.empty()) shown.emplace_back(entry.command, ToWidgetText(entry.text));
    if (shown.empty()) return;
    window.Bind(wxEVT_RIGHT_UP, [&window, shown, onCommand](wxMouseEvent& event) {
        ShowSystemMenu(window, shown, onCommand, event.GetPosition());
    });
    window.Bind(wxEVT_CHAR_HOOK, [&window, shown, onCommand](wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        if (key == WXK_MENU || (key == WXK_F10 && event.GetModifiers() == wxMOD_SHIFT)) {
            ShowSystemMenu(window, shown, onCommand, wxDefaultPosition);
        } else if (key == WXK_F4 && event.GetModifiers() == wxMOD_ALT) {
            // A window manager takes Alt+F4 itself; without one the window does.
            onCommand(syscmd::kClose);
        } else {
            event.Skip();
        }
    });
}

void DefaultSystemCommand(wxDialog& window, int command) {
    if (command == syscmd::kMinimize)
        window.Iconize();
    else if (command == syscmd::kClose)
        window.Close();
}
