#include "tests/platform/drawn_text_size.h"

#include <gtk/gtk.h>
#include <wx/stattext.h>

#include "platform/gtk/drawn_size_gtk.h"

// The layout the label draws, with the font label fitting gave it.
wxSize DrawnTextSize(const wxStaticText& label) {
    return DrawnSize(gtk_label_get_layout(GTK_LABEL(label.GetHandle())));
}

std::vector<wxRect> DrawnWords(const wxStaticText& label) {
    GtkLabel* gtkLabel = GTK_LABEL(label.GetHandle());
    PangoLayout* layout = gtk_label_get_layout(gtkLabel);
    // The layout's origin, from the same origin as the label's allocation.
    int originX = 0;
    int originY = 0;
    gtk_label_get_layout_offsets(gtkLabel, &originX, &originY);
    GtkAllocation allocation;
    gtk_widget_get_allocation(GTK_WIDGET(gtkLabel), &allocation);
    originX -= allocation.x;
    originY -= allocation.y;
    const char* text = pango_layout_get_text(layout);
    std::vector<wxRect> words;
    for (const char* start = text; *start;) {
        if (*start == ' ' || *start == '\n') {
            ++start;
            continue;
        }
        const char* end = start;
        while (*end && *end != ' ' && *end != '\n') ++end;
        PangoRectangle first;
        PangoRectangle last;
        pango_layout_index_to_pos(layout, static_cast<int>(start - text), &first);
        pango_layout_index_to_pos(layout, static_cast<int>(g_utf8_prev_char(end) - text), &last);
        const int left = PANGO_PIXELS(first.x);
        const int top = PANGO_PIXELS(first.y);
        words.emplace_back(originX + left, originY + top, PANGO_PIXELS(last.x + last.width) - left,
                           PANGO_PIXELS(first.height));
        start = end;
    }
    return words;
}
