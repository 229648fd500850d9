// Windows' own controls already take the sizes that the dialog units give them, and
// static texts wrap at word breaks from their top.
#include "platform/native_look.h"

#include <wx/arrstr.h>
#include <wx/dialog.h>
#include <wx/stattext.h>

#include "platform/nearest_faces.h"
#include "platform/space_breaks.h"
#include "platform/widget_text.h"

namespace {

// Whether Windows has the face itself: for a face it lacks, it silently gives another one
// (wine, for one, gives a fixed-width Gothic for the templates' Mincho, whose wider text
// no longer fits the boxes).
bool HasFace(const wxString& face) {
    LOGFONTW wanted = {};
    wanted.lfCharSet = SHIFTJIS_CHARSET;
    wcsncpy(wanted.lfFaceName, face.wc_str(), LF_FACESIZE - 1);
    const HFONT font = CreateFontIndirectW(&wanted);
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, font);
    wchar_t given[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, given);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return face.IsSameAs(given, false);
}

}  // namespace

// Japanese Windows has the templates' faces; elsewhere the nearest installed one is taken.
wxString DialogFontFace(const char* templateFace) {
    const wxString face = ToWidgetText(templateFace);
    if (HasFace(face)) return face;
    for (const wxString& nearest : wxSplit(NearestFaces(templateFace), ','))
        if (HasFace(nearest)) return nearest;
    return face;
}

// Each control is given the dialog's font as it is created.
void UseDialogFont(wxDialog& dialog, const wxFont& font) { dialog.SetFont(font); }

// Windows' interface face shows its decimal point plainly.
void UseFiguresFont(wxWindow&) {}

void UseCompactControls() {}

// A text whose words are set apart by runs of spaces is broken here, so that it breaks
// alike wherever it runs (wine breaks "1速" itself in a narrow box).
void WrapLabelText(wxStaticText* label, bool) {
    const wxString text = label->GetLabel();
    if (text.find("  ") == wxString::npos) return;
    wxString lines = BreakAtSpaces(text, label->GetSize().x, *label->GetParent());
    lines.Replace("\n", "\r\n");
    // Only what is drawn changes; the control's text stays as the template has it.
    SetWindowTextW(label->GetHWND(), lines.wc_str());
}
