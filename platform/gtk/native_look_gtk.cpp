#include "platform/native_look.h"

#include <gtk/gtk.h>
#include <wx/dialog.h>
#include <wx/font.h>
#include <wx/stattext.h>

#include <algorithm>

#include "platform/nearest_faces.h"
#include "platform/space_breaks.h"
#include "platform/widget_text.h"

namespace {

constexpr char kCompactCss[] = R"(
entry { min-height: 0; padding: 0 2px; }
button { min-height: 0; min-width: 0; padding: 0 4px; }
combobox button, combobox entry { min-height: 0; padding-top: 0; padding-bottom: 0; }
checkbutton { min-height: 0; padding: 0; }
)";

}  // namespace

// Pango takes a list of families and uses the first one it has, without enumerating
// every installed family.
wxString DialogFontFace(const char* templateFace) {
    wxString families = ToWidgetText(templateFace);
    if (const char* nearest = NearestFaces(templateFace); *nearest) families << ',' << nearest;
    return families;
}

// The controls take the font from the window through the toolkit's style cascade; giving
// each its own copy costs a style provider per control at start-up.
void UseDialogFont(wxDialog& dialog, const wxFont& font) { dialog.SetOwnFont(font); }

// The desktop's face for Japanese has a decimal point so low and wide that "1.17" reads as
// "1,17" at the window's size. Pango takes each character the figures' face lacks from the
// desktop's face.
void UseFiguresFont(wxWindow& window) {
    wxFont font = window.GetFont();
    font.SetFaceName("DejaVu Sans");
    window.SetFont(font);
}

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

void WrapLabelText(wxStaticText* label, bool fixedText) {
    GtkLabel* gtkLabel = GTK_LABEL(label->GetHandle());
    gtk_label_set_xalign(gtkLabel, 0.0f);
    gtk_label_set_yalign(gtkLabel, 0.0f);
    // A single word of Latin letters is never broken ("mm" in a narrow box stays whole);
    // Japanese text breaks between characters.
    const wxString text = label->GetLabel();
    const bool oneLatinWord = !text.empty() && text.find(' ') == wxString::npos &&
                              std::all_of(text.begin(), text.end(), [](wxUniChar c) { return c.IsAscii(); });
    if (oneLatinWord) return;
    // A fixed text that fits on one line looks the same unwrapped, and a wrapping label
    // costs the toolkit a second measuring pass when the window is first shown.
    const int width = label->GetSize().x;
    const wxWindow& measure = *label->GetParent();
    if (fixedText && measure.GetTextExtent(text).x < width) return;
    gtk_label_set_line_wrap(gtkLabel, TRUE);
    gtk_label_set_line_wrap_mode(gtkLabel, PANGO_WRAP_WORD_CHAR);
    // Only what is drawn changes; the control's text stays as the template has it.
    if (text.find("  ") != wxString::npos)
        gtk_label_set_text(gtkLabel, BreakAtSpaces(text, width, measure).utf8_str());
}
