// Windows' own controls already take the sizes that the dialog units give them, and
// static texts wrap at word breaks from their top.
#include "platform/native_look.h"

#include <wx/arrstr.h>
#include <wx/dialog.h>

#include "platform/nearest_faces.h"
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

void WrapLabelText(wxStaticText*, bool) {}
