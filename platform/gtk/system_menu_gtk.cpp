// GTK offers programs no window-manager menu to extend, so the system menu is a popup on
// the window's background (right click) and on Shift+F10 or the Menu key.
#include "platform/system_menu.h"

#include <string>

#include <wx/dialog.h>
#include <wx/menu.h>

#include "platform/widget_text.h"

namespace {

struct Entry {
    int command;
    int menuId;  // menu item ids must stay below 0x7FFF, system commands do not
    const char* text;
};
// The platform's own entries, then the program's.
constexpr Entry kStandardEntries[] = {
    {syscmd::kMinimize, wxID_ICONIZE_FRAME, "最小化(&N)"},
    {syscmd::kClose, wxID_CLOSE_FRAME, "閉じる(&C)\tAlt+F4"},
};

void ShowSystemMenu(wxDialog& window, const wxString& entryText, int command,
                    const SystemCommandHandler& onCommand, wxPoint at) {
    wxMenu menu;
    for (const Entry& entry : kStandardEntries) menu.Append(entry.menuId, ToWidgetText(entry.text));
    menu.AppendSeparator();
    menu.Append(command, entryText);
    const int chosen = window.GetPopupMenuSelectionFromUser(menu, at);
    for (const Entry& entry : kStandardEntries)
        if (chosen == entry.menuId) return onCommand(entry.command);
    if (chosen == command) onCommand(command);
}

}  // namespace

void AppendSystemMenuEntry(wxDialog& window, std::string_view entryText, int command,
                           SystemCommandHandler onCommand) {
    if (entryText.empty()) return;
    const wxString text = ToWidgetText(entryText);
    window.Bind(wxEVT_RIGHT_UP, [&window, text, command, onCommand](wxMouseEvent& event) {
        ShowSystemMenu(window, text, command, onCommand, event.GetPosition());
    });
    window.Bind(wxEVT_CHAR_HOOK, [&window, text, command, onCommand](wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        if (key == WXK_MENU || (key == WXK_F10 && event.GetModifiers() == wxMOD_SHIFT)) {
            ShowSystemMenu(window, text, command, onCommand, wxDefaultPosition);
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
