#include "tests/platform/drawn_text_size.h"

#include <string>

#include <wx/stattext.h>

#include "platform/label_layout.h"

// A static text draws itself in its own font across its client area.
wxSize DrawnTextSize(const wxStaticText& label) {
    return LaidOutTextSize(label, label.GetFont(), label.GetClientSize().x);
}

// A static text breaks lines at blanks, as DrawText does: a word's line ends where the text
// up to it ends when laid out alone; a word that opens a line of its own starts it.
std::vector<wxRect> DrawnWords(const wxStaticText& label) {
    // What the control draws, which may hold line breaks its label does not.
    const HWND window = label.GetHWND();
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    const HDC dc = GetDC(window);
    const HGDIOBJ previous = SelectObject(dc, label.GetFont().GetHFONT());
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    const auto bottomOf = [&](std::size_t length) {
        RECT box = {0, 0, label.GetClientSize().x, 0};
        DrawTextW(dc, text.c_str(), static_cast<int>(length), &box,
                  DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
        return static_cast<int>(box.bottom);
    };
    const auto widthOf = [&](std::size_t from, std::size_t to) {
        SIZE size = {0, 0};
        GetTextExtentPoint32W(dc, text.c_str() + from, static_cast<int>(to - from), &size);
        return static_cast<int>(size.cx);
    };
    std::vector<wxRect> words;
    std::size_t lineStart = 0;
    int lineBottom = metrics.tmHeight;
    for (std::size_t start = 0; start < text.size();) {
        if (text[start] == L' ' || text[start] == L'\r' || text[start] == L'\n') {
            ++start;
            continue;
        }
        std::size_t end = start;
        while (end < text.size() && text[end] != L' ' && text[end] != L'\r' && text[end] != L'\n') ++end;
        if (const int bottom = bottomOf(end); bottom > lineBottom) {
            lineBottom = bottom;
            lineStart = start;
        }
        words.emplace_back(widthOf(lineStart, start), lineBottom - metrics.tmHeight, widthOf(start, end),
                           metrics.tmHeight);
        start = end;
    }
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return words;
}
