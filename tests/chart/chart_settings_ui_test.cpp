// The chart remembers its limit, band, save folder, size and place from one run to the
// next, and starts with its defaults when what it remembered is damaged.
#include <algorithm>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/display.h>

#include "chart/chart_control_ids.h"
#include "chart/gear_chart_window.h"
#include "platform/settings_location.h"
#include "settings/chart_settings.h"
#include "tests/support/window_test.h"

namespace {

class ChartSettingsTest : public MainWindowTest {
protected:
    // The chart of the worked example, opened as a user opens it.
    GearChartWindow* OpenChart() {
        FillWorkedExample();
        Press(IDC_CALCULATE);
        dialog_->OpenGearChart();
        Pump();
        return FindShownWindow<GearChartWindow>();
    }
    // Ends this run as a user ends it, closing the main window, and starts the next one with
    // the main window at the screen's right edge, clear of where the chart was put.
    void RunAgain() {
        dialog_->Close();
        Pump();
        TearDown();
        OpenMainWindow();
        const wxRect screen = wxDisplay(dialog_.get()).GetClientArea();
        dialog_->Move(screen.GetRight() + 1 - dialog_->GetSize().x, screen.y);
        Pump();
    }
    int LimitSelection(const GearChartWindow& chart) const {
        return static_cast<wxChoice*>(chart.FindWindow(IDC_CHART_LIMIT))->GetSelection();
    }
    void WriteSettings(const std::string& text) {
        ASSERT_TRUE(MakeSettingsFolder(SettingsFolder()));
        WriteBytes(ChartSettingsFile(), text);
    }
};

TEST_F(ChartSettingsTest, TheNextRunTakesBackTheLimitTheBandTheSaveFolderTheSizeAndThePlace) {
    WriteSettings("save_folder=/charts/2026\n");
    GearChartWindow* chart = OpenChart();
    ASSERT_TRUE(chart);
    SetControlText(chart->FindWindow(IDC_CHART_TYPED_LIMIT), " 6.6375 ");
    FocusOn(chart->FindWindow(IDC_CHART_TYPED_LIMIT));
    PressKey(WXK_RETURN);
    SetControlText(chart->FindWindow(IDC_CHART_BAND_LOW), "80");
    SetControlText(chart->FindWindow(IDC_CHART_BAND_HIGH), "100.5");
    FocusOn(chart->FindWindow(IDC_CHART_BAND_HIGH));
    PressKey(WXK_RETURN);
    const std::string summary = TextOf(chart, IDC_CHART_SUMMARY);
    const wxRect screen = wxDisplay(chart).GetClientArea();
    // Wider than its least width, as tall as the screen lets it be, clear of the main window.
    const wxRect place(screen.x + 8, screen.y, chart->GetMinSize().x + 8, screen.height);
    chart->SetSize(place);
    Pump();
    ASSERT_EQ(chart->GetRect(), place);

    RunAgain();
    EXPECT_EQ(ReadBytes(ChartSettingsFile()),
              "limit=typed\ntyped_limit=6638\nband=80 100.5\nsave_folder=/charts/2026\nwindow=" +
                  std::to_string(place.x) + " " + std::to_string(place.y) + " " + std::to_string(place.width) +
                  " " + std::to_string(place.height) + "\n");
    chart = OpenChart();
    ASSERT_TRUE(chart);
    EXPECT_EQ(LimitSelection(*chart), LimitChoicePosition(kTypedLimit));
    EXPECT_EQ(TextOf(chart, IDC_CHART_TYPED_LIMIT), "6.638");
    EXPECT_EQ(TextOf(chart, IDC_CHART_SUMMARY), summary);
    EXPECT_EQ(TextOf(chart, IDC_CHART_BAND_LOW), "80");
    EXPECT_EQ(TextOf(chart, IDC_CHART_BAND_HIGH), "100.5");
    EXPECT_EQ(chart->GetRect(), place);

    // A limit of the list, and a place the screen no longer has room for: the size stays,
    // the place is the first start's.
    chart->Move(screen.GetRight() - 10, screen.y);
    Pump();
    Choose(chart->FindWindow(IDC_CHART_LIMIT), LimitChoicePosition(7930));
    RunAgain();
    chart = OpenChart();
    ASSERT_TRUE(chart);
    EXPECT_EQ(LimitSelection(*chart), LimitChoicePosition(7930));
    EXPECT_EQ(TextOf(chart, IDC_CHART_TYPED_LIMIT), "6.638");  // still there to choose
    EXPECT_EQ(chart->GetSize(), place.GetSize());
    EXPECT_TRUE(screen.Contains(chart->GetRect()));
}

TEST_F(ChartSettingsTest, ARememberedPlaceOverTheMainWindowGivesWayToOneBesideIt) {
    const wxRect main = dialog_->GetScreenRect();
    const wxRect screen = wxDisplay(dialog_.get()).GetClientArea();
    WriteSettings("window=" + std::to_string(main.x) + " " + std::to_string(screen.y) + " 740 " +
                  std::to_string(screen.height) + "\n");
    GearChartWindow* chart = OpenChart();
    ASSERT_TRUE(chart);
    EXPECT_EQ(chart->GetSize(), wxSize(std::max(740, chart->GetMinSize().x), screen.height));
    EXPECT_FALSE(chart->GetScreenRect().Intersects(dialog_->GetScreenRect()));
}

// What a damaged file gives is read apart, without windows; here a folder stands at the
// file's name, so that neither reading nor writing it can work.
TEST_F(ChartSettingsTest, AnUnreadableSettingsFileGivesTheDefaultsAndNoMessage) {
    ASSERT_TRUE(MakeSettingsFolder(SettingsFolder()));
    std::filesystem::create_directory(ChartSettingsFile());
    GearChartWindow* chart = OpenChart();
    ASSERT_TRUE(chart);
    EXPECT_EQ(LimitSelection(*chart), LimitChoicePosition(kNoLimit));
    EXPECT_EQ(TextOf(chart, IDC_CHART_BAND_LOW), "");
    EXPECT_EQ(TextOf(chart, IDC_CHART_MESSAGE), "");
    EXPECT_EQ(chart->GetSize(), chart->GetMinSize());
    RunAgain();  // an unexpected message box would fail the test
    EXPECT_TRUE(std::filesystem::is_directory(ChartSettingsFile()));
}

}  // namespace
