// What label fitting (platform/label_fit.cpp) asks of each toolkit: how a label lays out its
// text, and how it takes a smaller font.
#pragma once

#include <wx/gdicmn.h>

class wxFont;
class wxStaticText;

// The size the label's text takes, laid out as the label lays it out, with the given font
// in a box of the given width: its widest drawn line and the bottom of its last line.
wxSize LaidOutTextSize(const wxStaticText& label, const wxFont& font, int width);

// Draws the label's text in the font, leaving its layout as it is.
void SetLabelFont(wxStaticText& label, const wxFont& font);
