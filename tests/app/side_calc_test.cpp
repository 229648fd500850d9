#include <memory>
#include <string>

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include "app/gui_test_support.h"
#include "app/main_dialog.h"
#include "calc/operand_stack.h"
#include "platform/message_box.h"
#include "res/resource_ids.h"
#include "res/strings.h"

namespace {

class SideCalcTest : public testing::Test {
protected:
    void SetUp() override {
        dialog_ = std::make_unique<CMainDialog>();
        dialog_->Show();
        Pump(150);
        Set(IDC_CADENCE, "90");
    }
    void TearDown() override {
        dialog_->Destroy();
        dialog_.release();
        Pump();
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

    std::unique_ptr<CMainDialog> dialog_;
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

    ClickOn(Control(IDC_AVG_MINUTES));
    Set(IDC_AVG_SPEED, "");
    Calculate();
    EXPECT_EQ(Text(IDC_AVG_SPEED), "0.44");
    EXPECT_EQ(Text(IDC_AVG_TIME_LABEL), text::kTimeLabelHours);
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

TEST_F(SideCalcTest, EachClearEmptiesItsOwnRowOnly) {
    FillAllRows();
    ClickOn(Control(IDC_AVG_MINUTES));
    Calculate();
    const std::string avgStatus = Text(IDC_AVG_STATUS);
    const std::string gradStatus = Text(IDC_GRAD_STATUS);
    const std::string energyStatus = Text(IDC_ENERGY_STATUS);

    ClickOn(Control(IDC_AVG_CLEAR));
    for (int id : {IDC_AVG_SPEED, IDC_AVG_DISTANCE, IDC_AVG_TIME}) EXPECT_EQ(Text(id), "") << id;
    EXPECT_EQ(Text(IDC_AVG_STATUS), avgStatus);
    EXPECT_EQ(Text(IDC_AVG_TIME_LABEL), text::kTimeLabelMinutes);
    EXPECT_TRUE(static_cast<wxCheckBox*>(Control(IDC_AVG_MINUTES))->IsChecked());
    EXPECT_EQ(Text(IDC_GRAD_HEIGHT), "100");
    EXPECT_EQ(Text(IDC_ENERGY_DISTANCE), "40");

    ClickOn(Control(IDC_GRAD_CLEAR));
    for (int id : {IDC_GRAD_LENGTH, IDC_GRAD_HEIGHT, IDC_GRAD_GRADIENT}) EXPECT_EQ(Text(id), "") << id;
    EXPECT_EQ(Text(IDC_GRAD_STATUS), gradStatus);
    EXPECT_EQ(Text(IDC_ENERGY_RESULT), "983.90");

    ClickOn(Control(IDC_ENERGY_CLEAR));
    for (int id : {IDC_ENERGY_DISTANCE, IDC_ENERGY_WEIGHT, IDC_ENERGY_HEIGHT, IDC_ENERGY_GRADIENT,
                   IDC_ENERGY_RESULT})
        EXPECT_EQ(Text(id), "") << id;
    EXPECT_EQ(Text(IDC_ENERGY_STATUS), energyStatus);
    EXPECT_EQ(static_cast<wxComboBox*>(Control(IDC_ENERGY_CLASS))->GetSelection(), 1);
    EXPECT_EQ(Text(IDC_CADENCE), "90");
}

TEST_F(SideCalcTest, TypingIntoTheSpeedClassFieldUnchoosesTheClass) {
    Set(IDC_ENERGY_DISTANCE, "40");
    Calculate();
    EXPECT_EQ(Text(IDC_ENERGY_STATUS), text::kEnergyNeedDistance);
    EXPECT_EQ(Text(IDC_ENERGY_RESULT), "");

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

// What the stack shows when it is misused: the window's own message box.
class ExpectStackMessage : public wxExpectModalBase<wxMessageDialog, ExpectStackMessage> {
protected:
    int OnInvoked(wxMessageDialog* box) const override {
        EXPECT_EQ(FromWidgetText(box->GetMessage()), text::kStackEmpty);
        EXPECT_EQ(FromWidgetText(box->GetTitle()), ApplicationTitle());
        EXPECT_TRUE(box->GetMessageDialogStyle() & wxICON_EXCLAMATION);
        return wxID_OK;
    }
};

// A box that fails to show is reported by a wx assertion, which would otherwise wait for a
// click in a dialog of its own.
void FailTestOnAssert(const wxString& file, int line, const wxString&, const wxString& cond,
                      const wxString& message) {
    ADD_FAILURE_AT(file.utf8_str(), line) << cond << ": " << message;
}

TEST_F(SideCalcTest, TheStackTellsOfAnUnderflowInAMessageBox) {
    ASSERT_EQ(OperandStack::Instance().Count(), 0);
    const wxAssertHandler_t previous = wxSetAssertHandler(FailTestOnAssert);
    double popped = -1;
    wxTEST_DIALOG(popped = OperandStack::Instance().Pop(), ExpectStackMessage());
    wxSetAssertHandler(previous);
    EXPECT_EQ(popped, 0.0);
}

}  // namespace
