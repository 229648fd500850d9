#include "platform/native_look.h"

#include <gtk/gtk.h>
#include <wx/stattext.h>

namespace {

constexpr char kCompactCss[] = R"(
entry { min-height: 0; padding: 0 2px; }
button { min-height: 0; min-width: 0; padding: 0 4px; }
combobox button, combobox entry { min-height: 0; padding-top: 0; padding-bottom: 0; }
checkbutton { min-height: 0; padding: 0; }
)";

}  // namespace

void UseCompactControls() {
    static bool installed = false;
    if (installed) return;
    GdkScreen* screen = gdk_screen_get_default();
    if (!screen) return;
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, kCompactCss, -1, nullptr);
    gtk_style_context_add_provider_for_screen(screen, GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
    installed = true;
}

void WrapLabelText(wxStaticText* label) {
    GtkLabel* gtkLabel = GTK_LABEL(label->GetHandle());
    gtk_label_set_line_wrap(gtkLabel, TRUE);
    gtk_label_set_line_wrap_mode(gtkLabel, PANGO_WRAP_WORD);
    gtk_label_set_xalign(gtkLabel, 0.0f);
    gtk_label_set_yalign(gtkLabel, 0.0f);
}
