// What the toolkit needs so that controls look as their dialog-unit layout expects.
#pragma once

#include <wx/string.h>

class wxStaticText;

// The face to ask for a template's font: the face itself where installed, else the
// nearest installed Japanese face.
wxString DialogFontFace(const char* templateFace);

// Lets edit boxes, buttons and combo boxes be as small as the layout makes them; the
// toolkit's theme would otherwise grow them over their neighbours. Safe to call often.
void UseCompactControls();

// A static text wraps at word breaks within its box and starts at its top.
void WrapLabelText(wxStaticText* label);
