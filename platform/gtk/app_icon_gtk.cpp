#include "platform/app_icon.h"

#include "res/velmor_icon.xpm"

const wxIcon& AppIcon() {
    static const wxIcon icon(velmor_icon_xpm);
    return icon;
}
