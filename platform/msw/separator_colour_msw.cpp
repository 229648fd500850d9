// A black frame is drawn in the window-frame colour, which follows the high-contrast
// themes.
#include "platform/separator_colour.h"

#include <wx/settings.h>

wxColour SeparatorColour() { return wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWFRAME); }
