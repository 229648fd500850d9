// The window manager draws minimised windows itself and asks them for nothing.
#include "platform/minimized_icon.h"

void UseMinimizedIcon(wxTopLevelWindow&, const wxIcon&) {}
