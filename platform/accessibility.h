// Names that screen readers announce for controls.
#pragma once

#include <string_view>

class wxWindow;

// Gives the control the accessible name cp932Name, in place of the one the toolkit
// would guess (an edit box has none of its own).
void SetAccessibleName(wxWindow& control, std::string_view cp932Name);
