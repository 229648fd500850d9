// Put before every Windows source file: windows.h once, the way wxWidgets includes it,
// and its IDC_HELP cursor macro gone, as the program's Help button has that name.
#pragma once

#include <wx/msw/wrapwin.h>

#undef IDC_HELP
