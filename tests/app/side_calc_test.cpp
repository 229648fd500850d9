#include <string>

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>

#include "app/gui_test_support.h"
#include "app/main_dialog.h"
#include "app/message_box_expectation.h"
#include "app/modal_hook.h"
#include "calc/operand_stack.h"
#include "res/resource_ids.h"
#include "res/strings.h"

namespace {

class SideCalcTest : public MainDialogFixture {
protected:
    void SetUp() override {
        MainDialogFixture::SetUp();
        Set(IDC_CADENCE, "90");
    }
    wxWindow* Control(int id) { return dialog_->FindWindow(id); }
    std::string Text(int id) { return TextOf(dialog_.get(), id); }
    void Set(int id, const std::string& cp932) { SetTextOf(dialog_.get(), id, cp932); }
    void Calculate() { ClickOn(Control(IDC_CALCULATE)); }
    void ChooseSpeedClass(int index) {
        auto* combo = static_cast<wxComboBox*>(Control(IDC_ENERGY_CLASS));
        combo->SetSelection(index);
    }

    // A worked example in every row.
    void FillAllRows() {
        Set(IDC_AVG_DISTANCE, "40");
        Set(IDC_AVG_TIME, "2");
        Set(IDC_GRAD_HEIGHT, "100");
        Set(IDC_GRAD_GRADIENT, "5");
        Set(IDC_ENERGY_DISTANCE, "40");
        Set(IDC_ENERGY_WEIGHT, "70");
        Set(IDC_ENERGY_HEIGHT, "500");
        Set(IDC_ENERGY_GRADIENT, "5");
        ChooseSpeedClass(1);
    }
};

TEST_F(SideCalcTest, OnePressWorksOutEveryRowAndLeavesTheStackEmpty) {
    FillAllRows();
    Calculate();
    EXPECT_EQ(Text(IDC_AVG_SPEED), "20.00");
    EXPECT_EQ(Text(IDC_AVG_DISTANCE), "40");
    EXPECT_EQ(Text(IDC_AVG_TIME_LABEL), text::kTimeLabelHours);
    EXPECT_EQ(Text(IDC_AVG_STATUS), text::kEnterTwoValues);
    EXPECT_EQ(Text(IDC_GRAD_LENGTH), "2.00");
    EXPECT_EQ(Text(IDC_GRAD_STATUS), text::kEnterTwoValues);
    EXPECT_EQ(Text(IDC_ENERGY_RESULT), "983.90");
    EXPECT_EQ(Text(IDC_ENERGY_STATUS), text::kEnergySummitHint);
    EXPECT_EQ(OperandStack::Instance().Count(), 0);

    // The two rows are full now and ask for an empty box; a refused energy leaves the old
    // result standing.
    Set(IDC_ENERGY_WEIGHT, "0");
    Calculate();
    EXPECT_EQ(Text(IDC_AVG_STATUS), text::kAvgLeaveOneEmpty);
    EXPECT_EQ(Text(IDC_AVG_SPEED), "20.00");
    EXPECT_EQ(Text(IDC_GRAD_STATUS), text::kGradLeaveOneEmpty);
    EXPECT_EQ(Text(IDC_ENERGY_STATUS), text::kHalfWidthDigits);
    EXPECT_EQ(Text(IDC_ENERGY_RESULT), "983.90");
    EXPECT_EQ(OperandStack::Instance().Count(), 0);
}

TEST_F(SideCalcTest, TheMinutesBoxSetsTheTimeUnitAtTheNextPress) {
    Set(IDC_AVG_DISTANCE, "40");
    Set(IDC_AVG_TIME, "90");
    ClickOn(Control(IDC_AVG_MINUTES));
    ASSERT_TRUE(static_cast<wxCheckBox*>(Control(IDC_AVG_MINUTES))->IsChecked());
    EXPECT_EQ(Text(IDC_AVG_TIME_LABEL), text::kTimeLabelHours);

    Calculate();
    EXPECT_EQ(Text(IDC_AVG_SPEED), "26.67");
    EXPECT_EQ(Text(IDC_AVG_TIME_LABEL), text::kTimeLabelMinutes);
}

TEST_F(SideCalcTest, AMissingCadenceReplacesTheAverageSpeedStatusOnly) {
    FillAllRows();
    Set(IDC_CADENCE, "");
    Calculate();
    EXPECT_EQ(Text(IDC_AVG_SPEED), "20.00");
    EXPECT_EQ(Text(IDC_AVG_STATUS), text::kCadenceMissing);
    EXPECT_EQ(Text(IDC_GRAD_LENGTH), "2.00");
    EXPECT_EQ(Text(IDC_ENERGY_RESULT), "983.90");
}

// A Clear leaves the statuses, the minutes box, the speed class and the other rows.
TEST_F(SideCalcTest, EachClearEmptiesItsOwnRowOnly) {
    FillAllRows();
    ClickOn(Control(IDC_AVG_MINUTES));
    Calculate();
    const std::string statuses = Text(IDC_AVG_STATUS) + Text(IDC_GRAD_STATUS) + Text(IDC_ENERGY_STATUS);

    ClickOn(Control(IDC_AVG_CLEAR));
    EXPECT_EQ(Text(IDC_AVG_SPEED) + Text(IDC_AVG_DISTANCE) + Text(IDC_AVG_TIME), "");
    EXPECT_EQ(Text(IDC_GRAD_HEIGHT), "100");
    ClickOn(Control(IDC_GRAD_CLEAR));
    EXPECT_EQ(Text(IDC_GRAD_LENGTH) + Text(IDC_GRAD_HEIGHT) + Text(IDC_GRAD_GRADIENT), "");
    EXPECT_EQ(Text(IDC_ENERGY_RESULT), "983.90");
    ClickOn(Control(IDC_ENERGY_CLEAR));
    EXPECT_EQ(Text(IDC_ENERGY_DISTANCE) + Text(IDC_ENERGY_WEIGHT) + Text(IDC_ENERGY_HEIGHT) +
                  Text(IDC_ENERGY_GRADIENT) + Text(IDC_ENERGY_RESULT),
              "");
    EXPECT_EQ(Text(IDC_CADENCE), "90");

    EXPECT_EQ(Text(IDC_AVG_STATUS) + Text(IDC_GRAD_STATUS) + Text(IDC_ENERGY_STATUS), statuses);
    EXPECT_EQ(Text(IDC_AVG_TIME_LABEL), text::kTimeLabelMinutes);
    EXPECT_TRUE(static_cast<wxCheckBox*>(Control(IDC_AVG_MINUTES))->IsChecked());
    EXPECT_EQ(static_cast<wxComboBox*>(Control(IDC_ENERGY_CLASS))->GetSelection(), 1);
}

TEST_F(SideCalcTest, TypingIntoTheSpeedClassFieldUnchoosesTheClass) {
    Set(IDC_ENERGY_DISTANCE, "40");
    ChooseSpeedClass(0);
    Calculate();
    EXPECT_EQ(Text(IDC_ENERGY_RESULT), "638.73");

    FocusOn(Control(IDC_ENERGY_CLASS));
    PressKey('5');
    ASSERT_EQ(Text(IDC_ENERGY_CLASS), "5");
    Calculate();
    EXPECT_EQ(Text(IDC_ENERGY_STATUS), text::kEnergyNeedDistance);
    EXPECT_EQ(Text(IDC_ENERGY_RESULT), "638.73");
}

// The window shows the stack's misuse in a message box (caption and style as any other).
TEST_F(SideCalcTest, TheStackTellsOfAnUnderflowInAMessageBox) {
    SeenMessageBox seen;
    double popped = -1;
    wxTEST_DIALOG(popped = OperandStack::Instance().Pop(), ExpectMessageBox(wxID_OK, &seen));
    EXPECT_EQ(seen.text, text::kStackEmpty);
    EXPECT_TRUE(seen.style & wxICON_EXCLAMATION);
    EXPECT_EQ(popped, 0.0);
}

}  // namespace
