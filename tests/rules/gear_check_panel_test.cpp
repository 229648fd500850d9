// The gear check in the chart window, driven as a user would: a birth year typed picks the
// category's limit, the lock-out and tyre lines follow, a measured roll-out passes or fails.
#include "rules/gear_check_panel.h"

#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/datetime.h>
#include <wx/textctrl.h>

#include "chart/chart_control_ids.h"
#include "chart/gear_chart_window.h"
#include "res/strings.h"
#include "rules/gear_check_control_ids.h"
#include "tests/support/window_test.h"

namespace {

using GearCheckTest = MainWindowTest;

// Replaces a box's text by typing, as a user would.
void Type(wxWindow* window, const char* typed) {
    auto* box = static_cast<wxTextCtrl*>(window);
    FocusOn(box);
    box->SelectAll();
    wxUIActionSimulator().Text(typed);
    Pump();
    ASSERT_EQ(FromWidgetText(box->GetValue()), typed);
}

// The check is made once the chart is first drawn.
GearChartWindow* OpenChartWithItsCheck(CMainDialog& dialog) {
    dialog.OpenGearChart();
    GearChartWindow* chart = FindShownWindow<GearChartWindow>();
    return chart && PumpUntil([&] { return chart->FindWindow(IDC_CHECK_SEASON) != nullptr; }) ? chart : nullptr;
}

std::string ChosenLimit(const wxWindow* chart) {
    return FromWidgetText(static_cast<wxChoice*>(chart->FindWindow(IDC_CHART_LIMIT))->GetStringSelection());
}

TEST_F(GearCheckTest, ABirthYearPicksTheLimitTheLinesSayWhatToLockOutAndARollOutPassesOrFails) {
    FillWorkedExample();
    Press(IDC_CALCULATE);
    GearChartWindow* chart = OpenChartWithItsCheck(*dialog_);
    ASSERT_TRUE(chart);
    EXPECT_EQ(TextOf(chart, IDC_CHECK_SEASON), std::to_string(wxDateTime::Now().GetYear()));
    EXPECT_EQ(TextOf(chart, IDC_CHECK_LOCK_OUT), text::kCheckNoLimit);
    EXPECT_EQ(TextOf(chart, IDC_CHECK_TYRE), "");

    Type(chart->FindWindow(IDC_CHECK_SEASON), "2026");
    Type(chart->FindWindow(IDC_CHECK_BIRTH_YEAR), "2010");
    EXPECT_EQ(TextOf(chart, IDC_CHECK_CATEGORY), "2026年に16歳: JCF U17 7.01 m");
    EXPECT_EQ(ChosenLimit(chart), "JCF U17 7.01 m");
    EXPECT_EQ(TextOf(chart, IDC_CHART_SUMMARY), "制限内の最大ギア 48×15 展開 6.707 m (余裕 0.303 m)");
    EXPECT_EQ(TextOf(chart, IDC_CHECK_LOCK_OUT),
              "28T: すべて制限内\n38T: すべて制限内\n48T: 15T 以上 (12～14T は超過)\n"
              "ハイ側の調整: トップを 15T に\n(それより小さい歯数に入らないように)");
    // 48×15 at 2190 mm is 7008 mm, at 2191 mm 7011.
    EXPECT_EQ(TextOf(chart, IDC_CHECK_TYRE), "タイヤ周長の上限 2190 mm (48×15)\n使用中の 2096 mm との差 94 mm");

    // The roll-out gear chosen first is the heaviest left after the lock-out.
    auto* gear = static_cast<wxChoice*>(chart->FindWindow(IDC_CHECK_ROLL_OUT_GEAR));
    EXPECT_EQ(FromWidgetText(gear->GetStringSelection()), "48×15");
    Type(chart->FindWindow(IDC_CHECK_ROLL_OUT), "6.71");
    EXPECT_EQ(TextOf(chart, IDC_CHECK_ROLL_OUT_RESULT),
              "合格: 制限まで 300 mm の余裕。\nこの実測の周長 2097 mm (一覧では 2096 mm)");
    Choose(gear, gear->FindString(ToWidgetText("48×14"), true));
    Type(chart->FindWindow(IDC_CHECK_ROLL_OUT), "7.2");
    EXPECT_EQ(TextOf(chart, IDC_CHECK_ROLL_OUT_RESULT),
              "不合格: 制限を 190 mm 超過。\nこの実測の周長 2100 mm (一覧では 2096 mm)");

    // The gear picked stays picked when the limit changes; a bad number says so.
    Type(chart->FindWindow(IDC_CHECK_BIRTH_YEAR), "2008");
    EXPECT_EQ(FromWidgetText(gear->GetStringSelection()), "48×14");
    EXPECT_EQ(TextOf(chart, IDC_CHECK_ROLL_OUT_RESULT),
              "合格: 制限まで 730 mm の余裕。\nこの実測の周長 2100 mm (一覧では 2096 mm)");
    Type(chart->FindWindow(IDC_CHECK_ROLL_OUT), "7,01");
    EXPECT_EQ(TextOf(chart, IDC_CHECK_ROLL_OUT_RESULT), text::kRollOutNotNumber);

    // A year before 1900 is refused and changes nothing.
    Type(chart->FindWindow(IDC_CHECK_BIRTH_YEAR), "1899");
    EXPECT_EQ(TextOf(chart, IDC_CHECK_CATEGORY), text::kBirthTooEarly);
    EXPECT_EQ(ChosenLimit(chart), "JCF ジュニア 7.93 m");

    Type(chart->FindWindow(IDC_CHECK_BIRTH_YEAR), "2014");
    EXPECT_EQ(TextOf(chart, IDC_CHECK_CATEGORY), "2026年に12歳: JCF U13 5.66 m");
    EXPECT_EQ(ChosenLimit(chart), "JCF U13 5.66 m");

    Type(chart->FindWindow(IDC_CHECK_BIRTH_YEAR), "2007");
    EXPECT_EQ(TextOf(chart, IDC_CHECK_CATEGORY), "2026年に19歳: 制限なし");
    EXPECT_EQ(ChosenLimit(chart), text::kLimitNone);
    EXPECT_EQ(TextOf(chart, IDC_CHECK_LOCK_OUT), text::kCheckNoLimit);
    EXPECT_EQ(TextOf(chart, IDC_CHECK_TYRE), "");
}

}  // namespace
