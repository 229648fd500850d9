#include "platform/label_layout.h"

#include <gtk/gtk.h>
#include <wx/font.h>
#include <wx/fontutil.h>
#include <wx/stattext.h>

#include "platform/gtk/drawn_size_gtk.h"

// The width of the ink, as the spaces that end a line are not drawn; the height of the
// lines, as the ink of a glyph may reach a little below its line.
wxSize DrawnSize(PangoLayout* layout) {
    PangoRectangle ink;
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    if (ink.width == 0) return {0, 0};
    return {ink.x + ink.width, logical.y + logical.height};
}

namespace {

// The label's drawn text laid out as the label lays it out, in the font and width given.
PangoLayout* LabelLayout(const wxStaticText& label, const wxFont& font, int width) {
    GtkLabel* gtkLabel = GTK_LABEL(label.GetHandle());
    // The dialog's context serves all its labels: one of each label's own would cost a
    // style lookup each.
    PangoLayout* layout = pango_layout_new(
        gtk_widget_get_pango_context(static_cast<GtkWidget*>(label.GetParent()->GetHandle())));
    pango_layout_set_text(layout, gtk_label_get_text(gtkLabel), -1);
    pango_layout_set_font_description(layout, font.GetNativeFontInfo()->description);
    if (gtk_label_get_line_wrap(gtkLabel)) {
        pango_layout_set_width(layout, width * PANGO_SCALE);
        pango_layout_set_wrap(layout, gtk_label_get_line_wrap_mode(gtkLabel));
    }
    return layout;
}

bool IsBlank(char c) { return c == ' ' || c == '\n'; }

}  // namespace

wxSize LaidOutTextSize(const wxStaticText& label, const wxFont& font, int width) {
    PangoLayout* layout = LabelLayout(label, font, width);
    const wxSize size = DrawnSize(layout);
    g_object_unref(layout);
    return size;
}

std::vector<int> WordLineMiddles(const wxStaticText& label, const wxFont& font, int width) {
    PangoLayout* layout = LabelLayout(label, font, width);
    const char* text = pango_layout_get_text(layout);
    std::vector<int> middles;
    for (const char* c = text; *c; ++c) {
        if (IsBlank(*c) || (c != text && !IsBlank(c[-1]))) continue;
        PangoRectangle position;
        pango_layout_index_to_pos(layout, static_cast<int>(c - text), &position);
        middles.push_back(PANGO_PIXELS(position.y + position.height / 2));
    }
    g_object_unref(layout);
    return middles;
}

std::vector<int> CharacterOffsets(const wxStaticText& label, const wxString& text, const wxFont& font) {
    PangoLayout* layout = pango_layout_new(
        gtk_widget_get_pango_context(static_cast<GtkWidget*>(label.GetParent()->GetHandle())));
    const wxScopedCharBuffer utf8 = text.utf8_str();
    pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.length()));
    pango_layout_set_font_description(layout, font.GetNativeFontInfo()->description);
    std::vector<int> offsets;
    for (const char* c = utf8.data(); *c; c = g_utf8_next_char(c)) {
        PangoRectangle position;
        pango_layout_index_to_pos(layout, static_cast<int>(c - utf8.data()), &position);
        offsets.push_back(PANGO_PIXELS(position.x));
    }
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    offsets.push_back(logical.x + logical.width);
    g_object_unref(layout);
    return offsets;
}

// As a text attribute: a font of the widget's own would cost a style provider.
void SetLabelFont(wxStaticText& label, const wxFont& font) {
    PangoAttrList* attributes = pango_attr_list_new();
    pango_attr_list_insert(attributes, pango_attr_font_desc_new(font.GetNativeFontInfo()->description));
    gtk_label_set_attributes(GTK_LABEL(label.GetHandle()), attributes);
    pango_attr_list_unref(attributes);
}
