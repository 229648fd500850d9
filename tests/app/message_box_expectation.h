// Answers a message box through wx's dialog testing hooks and records what it showed:
//   SeenMessageBox seen;
//   wxTEST_DIALOG(code, ExpectMessageBox(wxID_YES, &seen));
#pragma once

#include <string>

#include <wx/msgdlg.h>
#include <wx/testing.h>

#include "platform/widget_text.h"

struct SeenMessageBox {
    std::string text;     // CP932
    std::string caption;  // CP932
    long style = 0;
};

class ExpectMessageBox : public wxExpectModalBase<wxMessageDialog, ExpectMessageBox> {
public:
    ExpectMessageBox(int answer, SeenMessageBox* seen) : answer_(answer), seen_(seen) {}

protected:
    int OnInvoked(wxMessageDialog* box) const override {
        seen_->text = FromWidgetText(box->GetMessage());
        seen_->caption = FromWidgetText(box->GetTitle());
        seen_->style = box->GetMessageDialogStyle();
        return answer_;
    }

private:
    int answer_;
    SeenMessageBox* seen_;
};
