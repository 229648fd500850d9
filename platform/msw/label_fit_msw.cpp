// A static text draws itself with DrawText, breaking lines at word breaks; a word wider
// than the box is not broken, and so stands out of the measured box.
#include "platform/label_layout.h"

#include <string>

#include <wx/font.h>
#include <wx/stattext.h>

namespace {

// The label's window text, measured with the font in the label's device context.
class LabelMeasure {
public:
    LabelMeasure(const wxStaticText& label, const wxFont& font)
        : window_(label.GetHWND()), dc_(GetDC(window_)), previous_(SelectObject(dc_, font.GetHFONT())) {
        text_.resize(static_cast<std::size_t>(GetWindowTextLengthW(window_)) + 1);
        text_.resize(static_cast<std::size_t>(GetWindowTextW(window_, text_.data(), static_cast<int>(text_.size()))));
        if (GetWindowLongW(window_, GWL_STYLE) & SS_NOPREFIX) format_ |= DT_NOPREFIX;
    }
    ~LabelMeasure() {
        SelectObject(dc_, previous_);
        ReleaseDC(window_, dc_);
    }
    LabelMeasure(const LabelMeasure&) = delete;
    LabelMeasure& operator=(const LabelMeasure&) = delete;

    const std::wstring& Text() const { return text_; }
    int LineHeight() const {
        TEXTMETRICW metrics;
        GetTextMetricsW(dc_, &metrics);
        return metrics.tmHeight;
    }
    // Where the text's first `length` characters end when laid out in a box of that width.
    RECT LaidOut(std::size_t length, int width) const {
        RECT box = {0, 0, width, 0};
        DrawTextW(dc_, text_.c_str(), static_cast<int>(length), &box, format_);
        return box;
    }

private:
    HWND window_;
    HDC dc_;
    HGDIOBJ previous_;
    std::wstring text_;
    UINT format_ = DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS;
};

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\r' || c == L'\n'; }

}  // namespace

wxSize LaidOutTextSize(const wxStaticText& label, const wxFont& font, int width) {
    const LabelMeasure measure(label, font);
    const RECT box = measure.LaidOut(measure.Text().size(), width);
    return {box.right, box.bottom};
}

// A word's line is the last line of the text up to the word's end.
std::vector<int> WordLineMiddles(const wxStaticText& label, const wxFont& font, int width) {
    const LabelMeasure measure(label, font);
    const std::wstring& text = measure.Text();
    const int lineHeight = measure.LineHeight();
    std::vector<int> middles;
    for (std::size_t start = 0; start < text.size(); ++start) {
        if (IsBlank(text[start]) || (start > 0 && !IsBlank(text[start - 1]))) continue;
        std::size_t end = start;
        while (end < text.size() && !IsBlank(text[end])) ++end;
        middles.push_back(static_cast<int>(measure.LaidOut(end, width).bottom) - lineHeight / 2);
    }
    return middles;
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
