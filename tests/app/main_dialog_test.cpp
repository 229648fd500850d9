#include "app/main_dialog.h"

#include <memory>

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/stattext.h>
#include <wx/testing.h>
#include <wx/textctrl.h>

#include "app/about_dialog.h"
#include "app/gui_test_support.h"
#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "res/strings.h"

namespace {

class MainDialogTest : public MainDialogFixture {
protected:
    wxWindow* Control(int id) { return dialog_->FindWindow(id); }

    void FillWorkedExample() {
        const char* sprockets[] = {"24", "21", "18", "16", "15", "14", "13", "12", "", ""};
        for (int c = 0; c < 10; ++c) SetTextOf(dialog_.get(), IDC_SPROCKET_FIRST + c, sprockets[c]);
        SetTextOf(dialog_.get(), IDC_CHAINRING_FIRST, "28");
        SetTextOf(dialog_.get(), IDC_CHAINRING_FIRST + 1, "38");
        SetTextOf(dialog_.get(), IDC_CHAINRING_FIRST + 2, "48");
        SetTextOf(dialog_.get(), IDC_CIRCUMFERENCE, "2096");
        SetTextOf(dialog_.get(), IDC_CADENCE, "90");
    }
    std::string Cell(int row, int column) {
        return TextOf(dialog_.get(), IDC_CELL_FIRST + 10 * (row - 1) + (column - 1));
    }
};

bool HasKind(wxWindow* window, ControlKind kind) {
    switch (kind) {
    case ControlKind::Static:
        return dynamic_cast<wxStaticText*>(window) != nullptr;
    case ControlKind::Edit:
        return dynamic_cast<wxTextCtrl*>(window) != nullptr;
    case ControlKind::DropList:
        return dynamic_cast<wxChoice*>(window) && !dynamic_cast<wxComboBox*>(window);
    case ControlKind::DropDown:
        return dynamic_cast<wxComboBox*>(window) != nullptr;
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
        return dynamic_cast<wxButton*>(window) != nullptr;
    case ControlKind::CheckBox:
        return dynamic_cast<wxCheckBox*>(window) != nullptr;
    default:
        return true;
    }
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
        if (c.id != IDC_STATIC) {
            EXPECT_EQ(window->GetId(), c.id);
        }
        EXPECT_TRUE(HasKind(window, c.kind));
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

TEST_F(MainDialogTest, EnterInTheCadenceBoxCalculates) {
    FillWorkedExample();
    FocusOn(Control(IDC_CADENCE));
    PressKey(WXK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return Cell(1, 1) != ""; }));
    EXPECT_EQ(Cell(1, 1), "13.20");
    EXPECT_EQ(Cell(2, 5), "28.67");
    EXPECT_EQ(Cell(3, 8), "45.27");
    EXPECT_EQ(Cell(3, 9), "");
}

TEST_F(MainDialogTest, ACellIsEmptiedByALaterPress) {
    FillWorkedExample();
    ClickOn(Control(IDC_CALCULATE));
    ASSERT_EQ(Cell(2, 3), "23.89");
    SetTextOf(dialog_.get(), IDC_SPROCKET_FIRST + 2, "");
    ClickOn(Control(IDC_CALCULATE));
    EXPECT_EQ(Cell(2, 3), "");
    EXPECT_EQ(Cell(2, 4), "26.88");
}

TEST_F(MainDialogTest, ACadenceOfZeroAsksForIt) {
    FillWorkedExample();
    SetTextOf(dialog_.get(), IDC_CADENCE, "0");
    ClickOn(Control(IDC_CALCULATE));
    EXPECT_EQ(TextOf(dialog_.get(), IDC_AVG_STATUS), text::kCadenceMissing);
    EXPECT_EQ(Cell(1, 1), "");
}

TEST_F(MainDialogTest, EscChangesNothingInTheModalWindow) {
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
    dialog_->ShowModal();
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(TextOf(dialog_.get(), IDC_CHAINRING_FIRST), "28");
    EXPECT_EQ(Cell(1, 1), "");
}

// Runs the About entry with a real About box, which `close` then closes as a user would.
void RunAboutBox(CMainDialog& dialog, std::function<void(wxDialog&)> close) {
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
    dialog.OnSysCommand(IDM_ABOUTBOX);  // returns when the About box has closed
    EXPECT_TRUE(seen);
}

TEST_F(MainDialogTest, TheAboutEntryOpensTheAboutBoxWhichClosesWithOkEnterAndEsc) {
    RunAboutBox(*dialog_, [](wxDialog& about) { ClickOn(about.FindWindow(wxID_OK)); });
    RunAboutBox(*dialog_, [](wxDialog& about) { FocusOn(about.FindWindow(wxID_OK)); PressKey(WXK_RETURN); });
    RunAboutBox(*dialog_, [](wxDialog& about) { FocusOn(about.FindWindow(wxID_OK)); PressKey(WXK_ESCAPE); });
    RunAboutBox(*dialog_, [](wxDialog& about) { about.Close(); });
    EXPECT_TRUE(dialog_->IsShown());
}

TEST_F(MainDialogTest, TheCloseBoxEndsTheModalRunWithoutAsking) {
    dialog_->Hide();
    SetTextOf(dialog_.get(), IDC_CADENCE, "90");
    wxTheApp->CallAfter([&] { dialog_->Close(); });
    EXPECT_EQ(dialog_->ShowModal(), wxID_CANCEL);
}

}  // namespace

namespace {

TEST_F(MainDialogTest, ShiftF10OpensTheSystemMenuWhoseLastEntryIsTheAboutBox) {
    EXPECT_TRUE(ChooseLastSystemMenuEntry(Control(IDC_CADENCE), WXK_F10, wxMOD_SHIFT));
    EXPECT_TRUE(dialog_->IsShown());
}

}  // namespace
