// What only the Windows build has: the real system menu and its commands, the program icon
// from the resources, and the drag icon of the minimised window.
#include <gtest/gtest.h>

#include "app/main_dialog.h"
#include "chart/gear_chart_window.h"
#include "platform/app_icon.h"
#include "res/strings.h"
#include "tests/support/window_test.h"

namespace {

class MainDialogMswTest : public MainWindowTest {
protected:
    HWND Window() const { return dialog_->GetHWND(); }
};

TEST_F(MainDialogMswTest, TheSystemMenuEndsWithTheAboutAndGearChartEntriesBehindASeparator) {
    const HMENU menu = GetSystemMenu(Window(), FALSE);
    ASSERT_TRUE(menu);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 4);
    EXPECT_TRUE(GetMenuState(menu, count - 3, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(menu, count - 2), static_cast<UINT>(IDM_ABOUTBOX));
    EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_GEAR_CHART));
    wchar_t entry[100] = {};
    GetMenuStringW(menu, count - 2, entry, 100, MF_BYPOSITION);
    EXPECT_EQ(FromWidgetText(entry), text::kAboutMenuEntry);
    GetMenuStringW(menu, count - 1, entry, 100, MF_BYPOSITION);
    EXPECT_EQ(FromWidgetText(entry), text::kGearChartMenuEntry);
    // The window's own entries stay in front of it.
    EXPECT_NE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST_F(MainDialogMswTest, AltSpaceOpensTheSystemMenuWhoseLastEntriesAreTheAboutBoxAndTheGearChart) {
    // Alt+Space reaches the program as SC_KEYMENU, which it passes on with its key; the
    // menu's loop then sends the entry's command.
    EXPECT_TRUE(ChooseSystemMenuEntry(Control(IDC_CADENCE), ' ', wxMOD_ALT, 1));
    EXPECT_TRUE(dialog_->IsShown());
    EXPECT_FALSE(ChooseSystemMenuEntry(Control(IDC_CADENCE), ' ', wxMOD_ALT, 0));
    EXPECT_TRUE(FindShownWindow<GearChartWindow>());
}

TEST_F(MainDialogMswTest, OtherSystemCommandsReachTheWindowAndCloseEndsTheModalRun) {
    SendMessageW(Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    Pump();
    EXPECT_TRUE(IsIconic(Window()));
    SendMessageW(Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    Pump();
    EXPECT_FALSE(IsIconic(Window()));
    dialog_->Hide();
    wxTheApp->CallAfter([&] { PostMessageW(Window(), WM_SYSCOMMAND, SC_CLOSE, 0); });
    EXPECT_EQ(dialog_->ShowModal(), wxID_CANCEL);
}

// Where the template's face is missing (as under wine), Windows would quietly give a
// fixed-width Gothic whose wider text overflows the boxes; a face it has is taken instead.
TEST_F(MainDialogMswTest, UsesAFaceThatWindowsHasRatherThanASubstitute) {
    const wxString asked = dialog_->GetFont().GetFaceName();
    const HDC dc = GetDC(Window());
    const HGDIOBJ previous = SelectObject(dc, dialog_->GetFont().GetHFONT());
    wchar_t given[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, given);
    SelectObject(dc, previous);
    ReleaseDC(Window(), dc);
    EXPECT_TRUE(asked.IsSameAs(given, false)) << asked << " gave " << wxString(given);
}

TEST_F(MainDialogMswTest, UsesTheProgramIconAsWindowAndDragIcon) {
    ASSERT_TRUE(AppIcon().IsOk());
    EXPECT_EQ(AppIcon().GetWidth(), 32);
    EXPECT_EQ(AppIcon().GetHeight(), 32);
    const auto icon = reinterpret_cast<HICON>(AppIcon().GetHICON());
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(Window(), WM_GETICON, ICON_BIG, 0)), icon);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(Window(), WM_QUERYDRAGICON, 0, 0)), icon);
}

}  // namespace
