#include "platform/app_icon.h"

#include "res/icon_id.h"

// The icon of the executable's resources (res/velmor.rc), named by its number.
const wxIcon& AppIcon() {
    static const wxIcon icon(wxString::Format("#%d", IDI_VELMOR), wxBITMAP_TYPE_ICO_RESOURCE, 32, 32);
    return icon;
}
