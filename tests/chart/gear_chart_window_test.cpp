// The gear chart window, opened and fed from the main window as a user would.
#include "chart/gear_chart_window.h"

#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/dataview.h>
#include <wx/textctrl.h>

#include "chart/chart_control_ids.h"
#include "res/strings.h"
#include "tests/support/window_test.h"

namespace {

using GearChartTest = MainWindowTest;
using Cells = std::vector<std::string>;

std::vector<Cells> Rows(const GearChartWindow& chart) {
    auto* table = static_cast<wxDataViewListCtrl*>(chart.FindWindow(IDC_CHART_TABLE));
    std::vector<Cells> rows(static_cast<std::size_t>(table->GetItemCount()));
    for (unsigned r = 0; r < rows.size(); ++r)
        for (unsigned c = 0; c < table->GetColumnCount(); ++c)
            rows[r].push_back(FromWidgetText(table->GetTextValue(r, c)));
    return rows;
}

int ChartWindows() {
    int count = 0;
    for (wxWindow* window : wxTopLevelWindows) count += dynamic_cast<GearChartWindow*>(window) != nullptr;
    return count;
}

TEST_F(GearChartTest, CtrlGOpensItEachPressRedrawsItALimitFlagsRowsEscHidesItAndItClosesWithTheMainWindow) {
    FocusOn(Control(IDC_CADENCE));
    PressKey('G', wxMOD_CONTROL);
    GearChartWindow* chart = FindShownWindow<GearChartWindow>();
    ASSERT_TRUE(chart);
    EXPECT_TRUE(Rows(*chart).empty());
    EXPECT_FALSE(chart->GetScreenRect().Intersects(dialog_->GetScreenRect()));  // beside it

    FillWorkedExample();
    Press(IDC_CALCULATE);
    std::vector<Cells> rows = Rows(*chart);
    ASSERT_EQ(rows.size(), 24u);
    EXPECT_EQ(rows.front(), (Cells{"28×24", "1.17", "2.445", "30.6", "13.20", "", "", "", "2096", "90"}));
    EXPECT_EQ(rows.back(), (Cells{"48×12", "4.00", "8.384", "105.1", "45.27", "8.3", "", "", "2096", "90"}));
    EXPECT_EQ(rows.back()[kSpeedColumn], Cell(3, 8));

    // A limit flags rows; a bad typed limit is refused.
    Choose(chart->FindWindow(IDC_CHART_LIMIT), LimitChoicePosition(7930));
    const std::string summary = "制限内の最大ギア 48×13 展開 7.739 m (余裕 0.191 m)";
    EXPECT_EQ(TextOf(chart, IDC_CHART_SUMMARY), summary);
    rows = Rows(*chart);
    EXPECT_EQ(rows[22][kLimitColumn], "");
    EXPECT_EQ(rows[23][kLimitColumn], text::kOverLimit);

    // Choosing 指定... with the box empty only puts the caret there.
    Choose(chart->FindWindow(IDC_CHART_LIMIT), LimitChoicePosition(kTypedLimit));
    EXPECT_EQ(TextOf(chart, IDC_CHART_MESSAGE), "");
    EXPECT_EQ(wxWindow::FindFocus(), chart->FindWindow(IDC_CHART_TYPED_LIMIT));
    EXPECT_EQ(TextOf(chart, IDC_CHART_SUMMARY), summary);

    SetControlText(chart->FindWindow(IDC_CHART_TYPED_LIMIT), "7.9m");
    Choose(chart->FindWindow(IDC_CHART_LIMIT), LimitChoicePosition(kTypedLimit));
    EXPECT_EQ(TextOf(chart, IDC_CHART_MESSAGE), text::kLimitNotNumber);
    EXPECT_EQ(static_cast<wxChoice*>(chart->FindWindow(IDC_CHART_LIMIT))->GetSelection(), LimitChoicePosition(7930));
    EXPECT_EQ(TextOf(chart, IDC_CHART_SUMMARY), summary);

    SetControlText(chart->FindWindow(IDC_CHART_TYPED_LIMIT), " 6.6375 ");
    FocusOn(chart->FindWindow(IDC_CHART_TYPED_LIMIT));
    PressKey(WXK_RETURN);
    EXPECT_EQ(TextOf(chart, IDC_CHART_MESSAGE), "");
    EXPECT_EQ(TextOf(chart, IDC_CHART_SUMMARY), "制限内の最大ギア 38×12 展開 6.637 m (余裕 0.001 m)");

    FocusOn(Control(IDC_CADENCE));
    PressKey('G', wxMOD_CONTROL);
    EXPECT_EQ(ChartWindows(), 1);
    FocusOn(chart->FindWindow(IDC_CHART_TYPED_LIMIT));
    PressKey(WXK_ESCAPE);
    EXPECT_FALSE(chart->IsShown());

    // The system menu's entry opens it again, and it closes with the main window.
    dialog_->OnSysCommand(IDM_GEAR_CHART);
    ASSERT_EQ(FindShownWindow<GearChartWindow>(), chart);
    Pump();  // mapped: an unmapped window would be marked shown again when its map arrives
    dialog_->Close();
    Pump();
    EXPECT_FALSE(chart->IsShown());
}

// The chart takes a longer list entry whole while the boxes hold it, says so when they no
// longer do, and takes it whole again once it is chosen again.
TEST_F(GearChartTest, ACassetteOfThirteenTakesAllItsSprocketsUntilABoxIsChanged) {
    WriteBytes(text::kGearFileName,
               "Front Crankset\r\n28-38-48\r\nfEnd\r\nCassette\r\n24-21-18\r\n"
               "9-10-11-12-13-14-16-18-20-23-27-31-36\r\ncEnd\r\nTire surroundings\r\n700x23C-2096\r\ntEnd\r\n");
    Press(IDC_UPDATE);
    Choose(Control(IDC_CASSETTE), 1);
    Set(IDC_CADENCE, "90");
    Press(IDC_CALCULATE);
    dialog_->OpenGearChart();
    GearChartWindow* chart = FindShownWindow<GearChartWindow>();
    ASSERT_TRUE(chart);
    EXPECT_EQ(Rows(*chart).size(), 39u);
    EXPECT_EQ(Rows(*chart).front()[kGearColumn], "28×36");
    EXPECT_EQ(TextOf(chart, IDC_CHART_NOTE), "");

    Set(IDC_SPROCKET_LAST, "25");
    Press(IDC_CALCULATE);
    EXPECT_EQ(Rows(*chart).size(), 30u);
    EXPECT_EQ(Rows(*chart).front()[kGearColumn], "28×25");
    EXPECT_EQ(TextOf(chart, IDC_CHART_NOTE), text::kChartSprocketsSetAside);

    Choose(Control(IDC_CASSETTE), 0);
    Press(IDC_CALCULATE);
    EXPECT_EQ(Rows(*chart).size(), 9u);
    EXPECT_EQ(TextOf(chart, IDC_CHART_NOTE), "");  // a short entry sets nothing aside

    Choose(Control(IDC_CASSETTE), 1);
    Press(IDC_CALCULATE);
    EXPECT_EQ(Rows(*chart).size(), 39u);
    EXPECT_EQ(TextOf(chart, IDC_CHART_NOTE), "");
}

}  // namespace
