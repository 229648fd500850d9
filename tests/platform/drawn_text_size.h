// Where a label draws its text now, measured as the toolkit lays it out.
#pragma once

#include <vector>

#include <wx/gdicmn.h>

class wxStaticText;

// The size of the text: its widest drawn line and the bottom of its last line.
wxSize DrawnTextSize(const wxStaticText& label);

// Each word of the text (a run of characters between blanks and line breaks), as drawn:
// its box in the label's coordinates, in order.
std::vector<wxRect> DrawnWords(const wxStaticText& label);
