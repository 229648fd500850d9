// Control texts: CP932 bytes in the program, Unicode in the widgets. This is the one
// place where the two meet.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include <wx/string.h>

class wxWindow;
class wxItemContainer;

wxString ToWidgetText(std::string_view cp932);
std::string FromWidgetText(const wxString& text);

// Sets a control's text. A line feed at the end (as gear-file entries keep it) is data,
// not something to draw, so it is not shown.
void SetControlText(wxWindow* control, std::string_view cp932);

// A control's text, cut to its first maxBytes bytes.
std::string GetControlText(const wxWindow* control, std::size_t maxBytes);

void AddComboItem(wxItemContainer* combo, std::string_view cp932);
