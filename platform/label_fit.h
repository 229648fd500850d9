// Static texts made to fit their boxes, whose sizes were chosen for the templates' face:
// the face this machine has instead may draw the text wider.
#pragma once

#include <wx/gdicmn.h>

class wxDialog;
class wxFont;
class wxStaticText;

// Makes each static text of the dialog fit its box: a text that does not fit takes the
// room free to the right of its box, and where that is not enough, the next smaller
// sizes of its font until it fits.
void FitLabels(wxDialog& dialog);

// The size the label's text takes, laid out as the label lays it out, with the given font
// in a box of the given width: its widest drawn line and the bottom of its last line.
wxSize LaidOutTextSize(const wxStaticText& label, const wxFont& font, int width);

// Draws the label's text in the font, leaving its layout as it is.
void SetLabelFont(wxStaticText& label, const wxFont& font);

// LaidOutTextSize for the label as it is drawn now.
wxSize DrawnTextSize(const wxStaticText& label);
