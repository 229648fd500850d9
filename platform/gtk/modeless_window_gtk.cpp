// A modal GTK window takes every input of the program; giving up that grab leaves the
// modal run itself (and so the main window's part as the message loop) as it is.
#include "platform/modeless_window.h"

#include <gtk/gtk.h>
#include <wx/dialog.h>
#include <wx/window.h>

void ShareInputWithModalWindow(wxDialog& window) {
    if (window.IsModal()) gtk_window_set_modal(GTK_WINDOW(window.GetHandle()), FALSE);
}

int FrameAddedHeight(const wxWindow& shown) {
    GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(shown.GetHandle()));
    if (!window) return 0;
    GdkRectangle frame;
    gdk_window_get_frame_extents(window, &frame);
    return frame.height - gdk_window_get_height(window);
}
