// Windows disables only the windows that exist when a modal loop starts; one made later
// stays usable.
#include "platform/modeless_window.h"

void WorkBesideModalWindow(wxTopLevelWindow&) {}
