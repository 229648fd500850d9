// GTK lets a modal window take every input of its window group: a group of the window's
// own keeps it out of that grab.
#include "platform/modeless_window.h"

#include <gtk/gtk.h>
#include <wx/toplevel.h>

void WorkBesideModalWindow(wxTopLevelWindow& window) {
    GtkWindowGroup* group = gtk_window_group_new();
    gtk_window_group_add_window(group, GTK_WINDOW(window.GetHandle()));
    g_object_unref(group);  // the window holds it
}
