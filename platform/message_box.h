// Message boxes in the platform's manner: the caption is the executable's name, and a box
// that names no icon gets the exclamation mark.
#pragma once

#include <string>
#include <string_view>

#include <wx/defs.h>

class wxWindow;

// The executable's file name without directory and extension.
std::string ApplicationTitle();

// Shows a modal box over the active window. style takes wx's button and icon flags
// (wxOK, wxYES_NO, wxICON_QUESTION, ...); returns the button pressed (wxID_OK, wxID_YES,
// wxID_NO).
int ShowMessageBox(std::string_view text, long style);
// The same over the window given, as a window that is not the active one needs.
int ShowMessageBox(wxWindow* parent, std::string_view text, long style);
