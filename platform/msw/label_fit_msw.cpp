// A static text draws itself with DrawText, breaking lines at word breaks; a word wider
// than the box is not broken, and so stands out of the measured box.
#include "platform/label_layout.h"

#include <string>

#include <wx/font.h>
#include <wx/stattext.h>

wxSize LaidOutTextSize(const wxStaticText& label, const wxFont& font, int width) {
    const HWND window = label.GetHWND();
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    UINT format = DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS;
    if (GetWindowLongW(window, GWL_STYLE) & SS_NOPREFIX) format |= DT_NOPREFIX;
    const HDC dc = GetDC(window);
    const HGDIOBJ previous = SelectObject(dc, font.GetHFONT());
    RECT box = {0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return {box.right, box.bottom};
}

std::vector<int> CharacterOffsets(const wxStaticText& label, const wxString& text, const wxFont& font) {
    const std::wstring wide = text.ToStdWstring();
    std::vector<int> offsets(wide.size() + 1, 0);
    const HWND window = label.GetHWND();
    const HDC dc = GetDC(window);
    const HGDIOBJ previous = SelectObject(dc, font.GetHFONT());
    SIZE size;
    // The extent of each prefix, the first character's at [1].
    GetTextExtentExPointW(dc, wide.c_str(), static_cast<int>(wide.size()), 0, nullptr, offsets.data() + 1, &size);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return offsets;
}

void SetLabelFont(wxStaticText& label, const wxFont& font) { label.SetFont(font); }
