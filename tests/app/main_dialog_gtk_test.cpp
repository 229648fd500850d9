// What only the GTK build has: the window menu that the program itself pops up on
// Shift+F10 (Windows has its own system menu, tested beside it).
#include <gtest/gtest.h>

#include "app/main_dialog.h"
#include "chart/gear_chart_window.h"
#include "res/resource_ids.h"
#include "tests/support/window_test.h"

namespace {

using MainDialogGtkTest = MainWindowTest;

TEST_F(MainDialogGtkTest, ShiftF10OpensTheSystemMenuWhoseLastEntriesAreTheAboutBoxAndTheGearChart) {
    EXPECT_TRUE(ChooseSystemMenuEntry(Control(IDC_CADENCE), WXK_F10, wxMOD_SHIFT, 1));
    EXPECT_FALSE(FindShownWindow<GearChartWindow>());
    EXPECT_FALSE(ChooseSystemMenuEntry(Control(IDC_CADENCE), WXK_F10, wxMOD_SHIFT, 0));
    EXPECT_TRUE(FindShownWindow<GearChartWindow>());
    EXPECT_TRUE(dialog_->IsShown());
}

}  // namespace
