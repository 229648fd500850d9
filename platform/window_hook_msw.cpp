// Implemented as a comctl32 window subclass, so it needs nothing of the window's class.
#include "platform/window_hook_msw.h"

#include <map>
#include <vector>

#include <commctrl.h>
#include <wx/window.h>

namespace {

constexpr UINT_PTR kSubclassId = 0x564C;

struct Filters {
    std::vector<MessageFilter> list;
};
// The windows that have filters (the 64-bit import library lacks GetWindowSubclass).
std::map<HWND, Filters*> g_filtered;

// The one message that PassMessageOn is sending, which the filters must not see.
struct Passing {
    HWND window;
    UINT message;
    WPARAM wParam;
};
Passing* g_passing = nullptr;

LRESULT CALLBACK FilterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                            UINT_PTR, DWORD_PTR data) {
    auto* filters = reinterpret_cast<Filters*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, FilterProc, kSubclassId);
        g_filtered.erase(hwnd);
        delete filters;
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    if (g_passing && g_passing->window == hwnd && g_passing->message == message &&
        g_passing->wParam == wParam) {
        g_passing = nullptr;
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    // A copy: a filter may add another one, or the window may be destroyed, while it runs.
    const std::vector<MessageFilter> list = filters->list;
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        LRESULT result = 0;
        if ((*it)(message, wParam, lParam, result)) return result;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

void AddMessageFilter(wxWindow& window, MessageFilter filter) {
    const HWND hwnd = window.GetHWND();
    Filters*& filters = g_filtered[hwnd];
    if (!filters) {
        filters = new Filters;
        SetWindowSubclass(hwnd, FilterProc, kSubclassId, reinterpret_cast<DWORD_PTR>(filters));
    }
    filters->list.push_back(std::move(filter));
}

LRESULT PassMessageOn(wxWindow& window, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = window.GetHWND();
    Passing passing{hwnd, message, wParam};
    Passing* const outer = g_passing;
    g_passing = &passing;
    const LRESULT result = SendMessageW(hwnd, message, wParam, lParam);
    g_passing = outer;
    return result;
}
