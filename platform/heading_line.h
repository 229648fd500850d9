// Headings in one label, each standing over or beside its box.
#pragma once

#include <span>

#include <wx/gdicmn.h>

class wxStaticText;

// Draws the label's words (runs of characters between blanks), left to right, each centred
// over one of the boxes as nearly as the face allows: it measures where the headings fall
// in the dialog's font, then takes the size of that face and the place of the label that
// bring them nearest, and grows the label to its text. The text itself stays.
void SpreadHeadingsOver(wxStaticText& label, std::span<const wxRect> boxes);

// Draws the label's words, top to bottom as the label breaks its lines, each level with one
// of the boxes as nearly as the face allows, in the same way: the size of the face and the
// label's height and place change, its width and text stay.
void SpreadHeadingsBeside(wxStaticText& label, std::span<const wxRect> boxes);
