#include "platform/app_icon.h"

// Icon 128 of the executable's resources (res/velmor.rc).
const wxIcon& AppIcon() {
    static const wxIcon icon("#128", wxBITMAP_TYPE_ICO_RESOURCE, 32, 32);
    return icon;
}
