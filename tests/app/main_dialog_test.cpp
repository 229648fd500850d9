// The main window itself: its controls, keys, system menu, About box and message boxes.
#include "app/main_dialog.h"

#include <map>

#include <gtest/gtest.h>
#include <wx/combobox.h>

#include "app/about_dialog.h"
#include "res/dialog_template.h"
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
    EXPECT_EQ(ApplicationTitle(), "velmor_gui_tests");  // message boxes take the program's name
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

// Runs `open`, which returns once the About box it opens has closed, and has `close` close
// that box as a user would; says whether the box was seen, modal, with its title.
bool RunAboutBox(const std::function<void()>& open, const std::function<void(wxDialog&)>& close) {
    bool seen = false;
    wxTheApp->CallAfter([&] {
        PumpUntil([] { return FindShownWindow<CAboutDialog>() != nullptr; });
        if (auto* about = FindShownWindow<CAboutDialog>()) {
            seen = about->IsModal() && FromWidgetText(about->GetTitle()) == "Velmorのﾊﾞｰｼﾞｮﾝ情報";
            close(*about);
        }
    });
    open();
    if (!seen) Pump(2500);  // the queued check still has to run before the next test
    return seen;
}

TEST_F(MainDialogTest, TheAboutEntryOpensTheAboutBoxWhichClosesWithOkEnterAndEsc) {
    const auto command = [this](int id) { return [this, id] { dialog_->OnSysCommand(id); }; };
    const auto pressing = [](int key) {
        return [key](wxDialog& about) {
            FocusOn(about.FindWindow(wxID_OK));
            PressKey(key);
        };
    };
    EXPECT_TRUE(RunAboutBox(command(IDM_ABOUTBOX), [](wxDialog& about) { ClickOn(about.FindWindow(wxID_OK)); }));
    // The low four bits of a system command belong to the system.
    EXPECT_TRUE(RunAboutBox(command(IDM_ABOUTBOX | 0xF), pressing(WXK_RETURN)));
    EXPECT_TRUE(RunAboutBox(command(IDM_ABOUTBOX), pressing(WXK_ESCAPE)));
    EXPECT_TRUE(dialog_->IsShown());
}

}  // namespace
