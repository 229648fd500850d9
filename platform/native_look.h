// What the toolkit needs so that controls look as their dialog-unit layout expects.
#pragma once

#include <wx/string.h>

class wxDialog;
class wxFont;
class wxStaticText;
class wxWindow;

// The face to ask for a template's font: the face itself where installed, else the
// nearest installed Japanese face.
wxString DialogFontFace(const char* templateFace);

// Gives the dialog the font that it and the controls created in it afterwards use.
void UseDialogFont(wxDialog& dialog, const wxFont& font);

// Gives a window of figures (and the controls created in it afterwards) a face whose
// decimal point reads as a point in every locale; its Japanese text stays as it was.
void UseFiguresFont(wxWindow& window);

// Lets edit boxes, buttons and combo boxes be as small as the layout makes them; the
// toolkit's theme would otherwise grow them over their neighbours. Safe to call often.
void UseCompactControls();

// A static text wraps at word breaks within its box and starts at its top. fixedText: the
// label's text never changes after this.
void WrapLabelText(wxStaticText* label, bool fixedText);
