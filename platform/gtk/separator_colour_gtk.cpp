// The theme's own separator is a faint shade of black, lost on a dark ground; its dimmed
// text colour stands out from light and dark grounds alike.
#include "platform/separator_colour.h"

#include <wx/settings.h>

wxColour SeparatorColour() { return wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT); }
