#include "platform/message_box.h"

#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/stdpaths.h>

#include "platform/widget_text.h"

std::string ApplicationTitle() {
    return FromWidgetText(wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetName());
}

int ShowMessageBox(std::string_view text, long style) { return ShowMessageBox(wxGetActiveWindow(), text, style); }

int ShowMessageBox(wxWindow* parent, std::string_view text, long style) {
    if ((style & wxICON_MASK) == 0) style |= wxICON_EXCLAMATION;
    wxMessageDialog box(parent, ToWidgetText(text), ToWidgetText(ApplicationTitle()), style);
    return box.ShowModal();
}
