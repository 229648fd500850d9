// The static wxMSW this build links is made without accessibility support, so controls
// keep the names Windows gives them, and a description reaches screen readers as the
// control's tooltip.
#include "platform/accessibility.h"

#include <wx/window.h>

#include "platform/widget_text.h"

void SetAccessibleName(wxWindow&, std::string_view) {}

void SetDescription(wxWindow& control, std::string_view cp932Text) {
    if (cp932Text.empty())
        control.UnsetToolTip();
    else
        control.SetToolTip(ToWidgetText(cp932Text));
}
