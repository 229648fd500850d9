#include "platform/minimized_icon.h"

#include <wx/icon.h>
#include <wx/toplevel.h>

#include "platform/msw/window_hook_msw.h"

void UseMinimizedIcon(wxTopLevelWindow& window, const wxIcon& icon) {
    const HWND hwnd = window.GetHWND();
    const HICON hicon = static_cast<HICON>(icon.GetHICON());
    AddMessageFilter(window, [hwnd, hicon](UINT message, WPARAM, LPARAM, LRESULT& result) {
        if (message == WM_QUERYDRAGICON) {
            result = reinterpret_cast<LRESULT>(hicon);
            return true;
        }
        if (message != WM_PAINT || !IsIconic(hwnd)) return false;
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(hwnd, &paint);
        SendMessageW(hwnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        RECT client;
        GetClientRect(hwnd, &client);
        const IconOrigin at =
            MinimizedIconOrigin(client.left, client.top, client.right, client.bottom,
                                GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
        DrawIcon(dc, at.x, at.y, hicon);
        EndPaint(hwnd, &paint);
        result = 0;
        return true;
    });
}
