// Icon 128, the program's icon.
#pragma once

#include <wx/icon.h>

const wxIcon& AppIcon();
