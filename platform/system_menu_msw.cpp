// The window's real system menu: the entry is appended to it, and WM_SYSCOMMAND goes to
// the program before wxWidgets sees it.
#include "platform/system_menu.h"

#include <wx/dialog.h>
#include <wx/menu.h>

#include "platform/widget_text.h"
#include "platform/window_hook_msw.h"

namespace {

// The system command being handed to the program: its lParam (a cursor position or
// the key of Alt+key) goes along when the command is passed on.
struct Current {
    HWND window;
    WPARAM command;
    LPARAM lParam;
};
const Current* g_current = nullptr;

}  // namespace

void AppendSystemMenuEntries(wxDialog& window, std::span<const SystemMenuEntry> entries,
                             SystemCommandHandler onCommand) {
    bool any = false;
    for (const SystemMenuEntry& entry : entries) any = any || !entry.text.empty();
    if (!any) return;
    const HWND hwnd = window.GetHWND();
    if (wxMenu* menu = window.MSWGetSystemMenu()) {
        menu->AppendSeparator();
        for (const SystemMenuEntry& entry : entries)
            if (!entry.text.empty()) menu->Append(entry.command, ToWidgetText(entry.text));
    }
    AddMessageFilter(window, [hwnd, onCommand = std::move(onCommand)](
                                 UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        if (message != WM_SYSCOMMAND) return false;
        const Current current{hwnd, wParam, lParam};
        const Current* const outer = g_current;
        g_current = &current;
        onCommand(static_cast<int>(wParam));
        g_current = outer;
        result = 0;
        return true;
    });
}

void DefaultSystemCommand(wxDialog& window, int command) {
    const HWND hwnd = window.GetHWND();
    const WPARAM wParam = static_cast<WPARAM>(command);
    const LPARAM lParam =
        g_current && g_current->window == hwnd && g_current->command == wParam ? g_current->lParam
                                                                               : 0;
    PassMessageOn(window, WM_SYSCOMMAND, wParam, lParam);
}
