// Where a static text breaks a text whose words are set apart by runs of spaces.
#pragma once

#include <wx/string.h>

class wxWindow;

// Breaks text into lines at spaces as Windows' own static texts do, which the templates'
// labels count on: a run of spaces that does not fit behind a word becomes a line of its
// own ("1速       2速" in a narrow box gives 1速, a blank line, 2速). Widths are measured in
// the font of `measure`; lines are joined by '\n'.
wxString BreakAtSpaces(const wxString& text, int width, const wxWindow& measure);
