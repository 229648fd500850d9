// Names and descriptions that screen readers announce for controls.
#pragma once

#include <string_view>

class wxWindow;

// Gives the control the accessible name cp932Name, in place of the one the toolkit
// would guess (an edit box has none of its own).
void SetAccessibleName(wxWindow& control, std::string_view cp932Name);

// Shows cp932Text as the control's tooltip and gives it as its accessible description;
// an empty text takes both away.
void SetDescription(wxWindow& control, std::string_view cp932Text);
