// Implemented as a comctl32 window subclass rather than an MSWWindowProc override: the
// override would have every dialog class derive from a Windows-only base, while the
// subclass lets this layer filter any window it is given. The filters hang on the window
// as a property, as the 64-bit import library lacks GetWindowSubclass.
#include "platform/msw/window_hook_msw.h"

#include <vector>

#include <commctrl.h>
#include <wx/window.h>

namespace {

constexpr UINT_PTR kSubclassId = 0x564C;
constexpr wchar_t kFiltersProperty[] = L"VelmorMessageFilters";

struct Filters {
    std::vector<MessageFilter> list;
};

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
        RemovePropW(hwnd, kFiltersProperty);
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
    auto* filters = static_cast<Filters*>(GetPropW(hwnd, kFiltersProperty));
    if (!filters) {
        filters = new Filters;
        SetPropW(hwnd, kFiltersProperty, filters);
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
