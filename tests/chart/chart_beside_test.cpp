// The chart and the main window on a desktop with a window manager: side by side, each
// brought forward by a click.
#include <gtest/gtest.h>
#include <wx/display.h>

#include "chart/chart_control_ids.h"
#include "chart/gear_chart_window.h"
#include "tests/support/window_test.h"

namespace {

using ChartBesideTheMainWindowTest = MainWindowTest;

TEST_F(ChartBesideTheMainWindowTest, OpensBesideItOnScreenAndEachComesForwardWhenClicked) {
    Pump(300);  // the window manager places the main window
    FocusOn(Control(IDC_CADENCE));
    PressKey('G', wxMOD_CONTROL);
    GearChartWindow* chart = FindShownWindow<GearChartWindow>();
    ASSERT_TRUE(chart);
    EXPECT_TRUE(PumpUntil([&] { return chart->IsActive(); }));
    Pump(300);
    EXPECT_FALSE(chart->GetScreenRect().Intersects(dialog_->GetScreenRect()))
        << "chart " << chart->GetScreenRect().x << "," << chart->GetScreenRect().y << " main "
        << dialog_->GetScreenRect().x << "," << dialog_->GetScreenRect().y;
    const wxRect screen = wxDisplay(dialog_.get()).GetGeometry();
    EXPECT_TRUE(screen.Contains(chart->GetScreenRect()));
    EXPECT_TRUE(screen.Contains(dialog_->GetScreenRect()));

    ClickOn(Control(IDC_CADENCE));
    EXPECT_TRUE(PumpUntil([&] { return dialog_->IsActive(); }));
    ClickOn(chart->FindWindow(IDC_CHART_TYPED_LIMIT));
    EXPECT_TRUE(PumpUntil([&] { return chart->IsActive(); }));
}

}  // namespace
