// What label fitting (platform/label_fit.cpp) asks of each toolkit: how a label lays out its
// text, and how it takes a smaller font.
#pragma once

#include <vector>

#include <wx/gdicmn.h>
#include <wx/string.h>

class wxFont;
class wxStaticText;

// The size the label's text takes, laid out as the label lays it out, with the given font
// in a box of the given width: its widest drawn line and the bottom of its last line.
wxSize LaidOutTextSize(const wxStaticText& label, const wxFont& font, int width);

// Where each character of text begins, laid out on one line in the font as the label lays
// it out, and where the last one ends: one more offset than characters, in pixels from the
// text's left edge. One layout for the whole text, however many offsets are asked for.
std::vector<int> CharacterOffsets(const wxStaticText& label, const wxString& text, const wxFont& font);

// The middle of the line on which each word of the label's text (a run of characters
// between blanks and line breaks) is drawn, laid out as the label lays it out with the font
// in a box of the given width: top to bottom, in pixels from the text's top.
std::vector<int> WordLineMiddles(const wxStaticText& label, const wxFont& font, int width);

// Draws the label's text in the font, leaving its layout as it is.
void SetLabelFont(wxStaticText& label, const wxFont& font);
