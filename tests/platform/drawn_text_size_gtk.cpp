#include "tests/platform/drawn_text_size.h"

#include <gtk/gtk.h>
#include <wx/stattext.h>

#include "platform/gtk/drawn_size_gtk.h"

// The layout the label draws, with the font label fitting gave it.
wxSize DrawnTextSize(const wxStaticText& label) {
    return DrawnSize(gtk_label_get_layout(GTK_LABEL(label.GetHandle())));
}
