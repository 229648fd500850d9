// The main window itself: its controls, keys, system menu, About box and message boxes.
#include "app/main_dialog.h"

#include <map>

#include <gtest/gtest.h>
#include <wx/combobox.h>

#include "app/about_dialog.h"
#include "res/dialog_template.h"
#include "res/strings.h"
#include "tests/support/window_test.h"

namespace {

using MainDialogTest = MainWindowTest;

// The class of the control that each kind of template item becomes.
const char* ClassOf(ControlKind kind) {
    static const std::map<ControlKind, const char*> classes = {
        {ControlKind::Static, "wxStaticText"}, {ControlKind::Edit, "wxTextCtrl"},
        {ControlKind::DropList, "wxChoice"},   {ControlKind::DropDown, "wxComboBox"},
        {ControlKind::PushButton, "wxButton"}, {ControlKind::DefPushButton, "wxButton"},
        {ControlKind::CheckBox, "wxCheckBox"}, {ControlKind::Icon, "wxStaticBitmap"}};
    const auto found = classes.find(kind);
    return found == classes.end() ? nullptr : found->second;
}

TEST_F(MainDialogTest, HasExactlyTheControlsOfItsTemplateInTabOrder) {
    EXPECT_EQ(FromWidgetText(dialog_->GetTitle()), "Velmor Ver1.3 by Quelt");
    const auto& controls = MainDialogTemplate().controls;
    const wxWindowList& children = dialog_->GetChildren();
    ASSERT_EQ(children.size(), controls.size());
    auto child = children.begin();
    for (const ControlTemplate& c : controls) {
        wxWindow* window = *child++;
        SCOPED_TRACE(c.id);
        EXPECT_EQ(window->GetId(), c.id == IDC_STATIC ? window->GetId() : c.id);
        if (const char* expected = ClassOf(c.kind)) {
            EXPECT_EQ(window->GetClassInfo()->GetClassName(), wxString(expected));
        }
        if (c.text && c.kind != ControlKind::Edit) {
            EXPECT_EQ(FromWidgetText(window->GetLabel()), c.text);
        }
    }
    auto* speedClass = dynamic_cast<wxComboBox*>(Control(IDC_ENERGY_CLASS));
    ASSERT_TRUE(speedClass);
    ASSERT_EQ(speedClass->GetCount(), 3u);
    EXPECT_EQ(FromWidgetText(speedClass->GetString(2)), "30Km/h 170W");
    EXPECT_EQ(speedClass->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(wxWindow::FindFocus(), Control(IDC_CADENCE));
    EXPECT_FALSE(dialog_->HasFlag(wxRESIZE_BORDER));
}

TEST_F(MainDialogTest, EscChangesNothingInTheModalWindowAndTheCloseBoxEndsIt) {
    FillWorkedExample();
    dialog_->Hide();
    bool stillOpen = false;
    wxTheApp->CallAfter([&] {
        FocusOn(Control(IDC_CHAINRING_FIRST));
        PressKey(WXK_ESCAPE);
        Pump(100);
        stillOpen = dialog_->IsModal();
        dialog_->Close();
    });
    EXPECT_EQ(dialog_->ShowModal(), wxID_CANCEL);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(Text(IDC_CHAINRING_FIRST), "28");
    EXPECT_EQ(Cell(1, 1), "");
}

// Runs the About entry with a real About box, which `close` then closes as a user would.
void RunAboutBox(CMainDialog& dialog, int command, std::function<void(wxDialog&)> close) {
    bool seen = false;
    wxTheApp->CallAfter([&] {
        PumpUntil([] { return FindShownWindow<CAboutDialog>() != nullptr; });
        auto* about = FindShownWindow<CAboutDialog>();
        seen = about && about->IsModal();
        if (about) {
            EXPECT_EQ(FromWidgetText(about->GetTitle()), "Velmorのﾊﾞｰｼﾞｮﾝ情報");
            close(*about);
        }
    });
    dialog.OnSysCommand(command);  // returns when the About box has closed
    EXPECT_TRUE(seen);
}

TEST_F(MainDialogTest, TheAboutEntryOpensTheAboutBoxWhichClosesWithOkEnterAndEsc) {
    RunAboutBox(*dialog_, IDM_ABOUTBOX, [](wxDialog& about) { ClickOn(about.FindWindow(wxID_OK)); });
    // The low four bits of a system command belong to the system.
    RunAboutBox(*dialog_, IDM_ABOUTBOX | 0xF, [](wxDialog& about) {
        FocusOn(about.FindWindow(wxID_OK));
        PressKey(WXK_RETURN);
    });
    RunAboutBox(*dialog_, IDM_ABOUTBOX, [](wxDialog& about) {
        FocusOn(about.FindWindow(wxID_OK));
        PressKey(WXK_ESCAPE);
    });
    RunAboutBox(*dialog_, IDM_ABOUTBOX, [](wxDialog& about) { about.Close(); });
    EXPECT_TRUE(dialog_->IsShown());
}

TEST_F(MainDialogTest, ShiftF10OpensTheSystemMenuWhoseLastEntryIsTheAboutBox) {
    EXPECT_TRUE(ChooseLastSystemMenuEntry(Control(IDC_CADENCE), WXK_F10, wxMOD_SHIFT));
    EXPECT_TRUE(dialog_->IsShown());
}

TEST(MessageBox, TakesTheProgramsNameAsCaptionAndWarnsWhenNoIconIsNamed) {
    EXPECT_EQ(ApplicationTitle(), "velmor_gui_tests");
    const struct {
        unsigned flags;
        int button, answer;
        long style;
    } cases[] = {
        {msgbox::kOk, wxID_OK, msgbox::kIdOk, kWarning},
        {msgbox::kYesNo | msgbox::kIconQuestion, wxID_YES, msgbox::kIdYes, kQuestion},
        {msgbox::kYesNo | msgbox::kIconQuestion, wxID_NO, msgbox::kIdNo, kQuestion},
    };
    for (const auto& c : cases) {
        int answer = 0;
        wxTEST_DIALOG(answer = ShowMessageBox("?", c.flags), ExpectMessageBox(c.button, "?", c.style));
        EXPECT_EQ(answer, c.answer);
    }
}

}  // namespace
