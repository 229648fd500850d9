#include "platform/accessibility.h"

#include <gtk/gtk.h>
#include <wx/window.h>

#include "platform/cp932.h"
#include "platform/widget_text.h"

void SetAccessibleName(wxWindow& control, std::string_view cp932Name) {
    const std::string name = Cp932ToUtf8(cp932Name);
    // The outer widget, and the one that takes the input where that is another: the entry
    // of a combo box, the text view of a multi-line box.
    auto* outer = static_cast<GtkWidget*>(control.GetHandle());
    for (GtkWidget* widget : {outer, control.GetConnectWidget()})
        atk_object_set_name(gtk_widget_get_accessible(widget), name.c_str());
}

void SetDescription(wxWindow& control, std::string_view cp932Text) {
    if (cp932Text.empty())
        control.UnsetToolTip();
    else
        control.SetToolTip(ToWidgetText(cp932Text));
    atk_object_set_description(gtk_widget_get_accessible(static_cast<GtkWidget*>(control.GetHandle())),
                               Cp932ToUtf8(cp932Text).c_str());
}
