// Windows' own controls already take the sizes that the dialog units give them, and
// static texts wrap at word breaks from their top.
#include "platform/native_look.h"

#include <wx/dialog.h>

#include "platform/widget_text.h"

// Japanese Windows has the templates' faces; elsewhere its font substitution applies.
wxString DialogFontFace(const char* templateFace) { return ToWidgetText(templateFace); }

// Each control is given the dialog's font as it is created.
void UseDialogFont(wxDialog& dialog, const wxFont& font) { dialog.SetFont(font); }

void UseCompactControls() {}

void WrapLabelText(wxStaticText*) {}
