#include "platform/message_box.h"

#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/stdpaths.h>

#include "platform/widget_text.h"

std::string ApplicationTitle() {
    return FromWidgetText(wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetName());
}

int ShowMessageBox(std::string_view text, unsigned flags) {
    const unsigned buttons = flags & 0x0F;
    unsigned icon = flags & 0xF0;
    if (icon == 0) icon = msgbox::kIconExclamation;

    long style = buttons == msgbox::kYesNo ? wxYES_NO : wxOK;
    style |= icon == msgbox::kIconQuestion ? wxICON_QUESTION : wxICON_EXCLAMATION;
    if (flags & msgbox::kDefaultNo) style |= wxNO_DEFAULT;

    wxMessageDialog box(wxGetActiveWindow(), ToWidgetText(text),
                        ToWidgetText(ApplicationTitle()), style);
    switch (box.ShowModal()) {
    case wxID_YES:
        return msgbox::kIdYes;
    case wxID_NO:
        return msgbox::kIdNo;
    default:
        return msgbox::kIdOk;
    }
}
