// The program's icon.
#pragma once

#include <wx/icon.h>

const wxIcon& AppIcon();
