// A line of column headings in one label, each heading standing over its box.
#pragma once

#include <span>

#include <wx/gdicmn.h>

class wxStaticText;

// Draws the label's words (runs of characters between blanks), left to right, each centred
// over one of the boxes as nearly as the face allows: it measures where the headings fall
// in the dialog's font, then takes the size of that face and the place of the label that
// bring them nearest, and grows the label to its text. The text itself stays.
void SpreadHeadingsOver(wxStaticText& label, std::span<const wxRect> boxes);
