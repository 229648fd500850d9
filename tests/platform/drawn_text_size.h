// The size of a label's text as the label draws it now: its widest drawn line and the
// bottom of its last line.
#pragma once

#include <wx/gdicmn.h>

class wxStaticText;

wxSize DrawnTextSize(const wxStaticText& label);
