// Windows disables only the windows that exist when a modal run starts; one made later
// takes input as it is.
#include "platform/modeless_window.h"

#include <wx/window.h>

void ShareInputWithModalWindow(wxDialog&) {}

// Windows tells a window's frame exactly.
int FrameAddedHeight(const wxWindow& shown) { return shown.GetSize().y - shown.GetClientSize().y; }
