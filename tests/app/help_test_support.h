// The main window for the help tests, and what they expect of it.
#pragma once

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include "app/gui_test_support.h"
#include "platform/message_box.h"
#include "platform/widget_text.h"
#include "res/resource_ids.h"
#include "res/strings.h"

class HelpButtonTest : public MainDialogFixture {
protected:
    void PressHelp() { ClickOn(dialog_->FindWindow(IDC_HELP)); }
};

// Makes folder the current directory, with a help page in it.
inline void EnterFolderWithHelpPage(const std::filesystem::path& folder) {
    std::ofstream(folder / "Velmor.mht", std::ios::binary) << "MIME-Version: 1.0\r\n";
    std::filesystem::current_path(folder);
}

// The message box "ブラウザが見つかりません": OK button, exclamation mark, the program's name
// as caption.
class ExpectHelpNotFound : public wxExpectModal<wxMessageDialog> {
public:
    ExpectHelpNotFound() : wxExpectModal<wxMessageDialog>(wxID_OK) {}

protected:
    int OnInvoked(wxMessageDialog* box) const override {
        EXPECT_EQ(FromWidgetText(box->GetMessage()), text::kHelpNotFound);
        EXPECT_EQ(FromWidgetText(box->GetTitle()), ApplicationTitle());
        EXPECT_EQ(box->GetMessageDialogStyle() & (wxICON_MASK | wxYES_NO | wxCANCEL),
                  wxICON_EXCLAMATION);
        return wxExpectModal<wxMessageDialog>::OnInvoked(box);
    }
};
