// The colour of the templates' separator lines (static frames one unit high).
#pragma once

#include <wx/colour.h>

// The theme's colour for a line that parts the window, light or dark theme alike.
wxColour SeparatorColour();
