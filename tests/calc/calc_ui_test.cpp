// The Calculate command and the side calculators' rows, driven on the real main window.
#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>

#include "calc/operand_stack.h"
#include "res/strings.h"
#include "tests/support/window_test.h"

namespace {

class CalcUiTest : public MainWindowTest {
protected:
    wxCheckBox* Minutes() { return static_cast<wxCheckBox*>(Control(IDC_AVG_MINUTES)); }
    wxComboBox* SpeedClass() { return static_cast<wxComboBox*>(Control(IDC_ENERGY_CLASS)); }

    // A worked example in every side calculator's row.
    void FillAllRows() {
        for (const auto& [id, text] : {std::pair{IDC_AVG_DISTANCE, "40"}, {IDC_AVG_TIME, "2"},
                                       {IDC_GRAD_HEIGHT, "100"}, {IDC_GRAD_GRADIENT, "5"},
                                       {IDC_ENERGY_DISTANCE, "40"}, {IDC_ENERGY_WEIGHT, "70"},
                                       {IDC_ENERGY_HEIGHT, "500"}, {IDC_ENERGY_GRADIENT, "5"}})
            Set(id, text);
        SpeedClass()->SetSelection(1);
    }
    std::string Texts(std::initializer_list<int> ids) {
        std::string all;
        for (int id : ids) all += Text(id) + "|";
        return all;
    }
};

TEST_F(CalcUiTest, EnterInTheCadenceBoxFillsTheTableAndALaterPressEmptiesCells) {
    FillWorkedExample();
    FocusOn(Control(IDC_CADENCE));
    PressKey(WXK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return Cell(1, 1) != ""; }));
    EXPECT_EQ(Cell(1, 1), "13.20");
    EXPECT_EQ(Cell(2, 3), "23.89");
    EXPECT_EQ(Cell(3, 8), "45.27");
    EXPECT_EQ(Cell(3, 9), "");

    // Only the first 18 characters of a box count: a cadence of 9 here.
    Set(IDC_SPROCKET_FIRST + 2, "");
    Set(IDC_CADENCE, std::string(17, '0') + "90");
    Press(IDC_CALCULATE);
    EXPECT_EQ(Cell(2, 3), "");
    EXPECT_EQ(Cell(2, 4), "2.69");
    EXPECT_EQ(dialog_->State().chartSetup->cadence, 9);  // handed on as the press read it
}

TEST_F(CalcUiTest, DistanceTimeAndGradientAreWorkedOutIntoTheirOwnBoxes) {
    for (const auto& [id, text] : {std::pair{IDC_AVG_SPEED, "20"}, {IDC_AVG_TIME, "2"},
                                   {IDC_GRAD_LENGTH, "2"}, {IDC_GRAD_HEIGHT, "100"}})
        Set(id, text);
    Press(IDC_CALCULATE);
    EXPECT_EQ(Texts({IDC_AVG_DISTANCE, IDC_GRAD_GRADIENT}), "40.00|5.01|");
    Set(IDC_AVG_TIME, "");
    Press(IDC_CALCULATE);
    EXPECT_EQ(Text(IDC_AVG_TIME), "2.00");
}

// A Clear leaves the statuses, the minutes box, the speed class and the other rows.
TEST_F(CalcUiTest, EachClearEmptiesItsOwnRowOnly) {
    Set(IDC_CADENCE, "90");
    FillAllRows();
    Press(IDC_AVG_MINUTES);
    Press(IDC_CALCULATE);
    const std::string statuses = Texts({IDC_AVG_STATUS, IDC_GRAD_STATUS, IDC_ENERGY_STATUS});
    const std::initializer_list<int> average = {IDC_AVG_SPEED, IDC_AVG_DISTANCE, IDC_AVG_TIME};
    const std::initializer_list<int> gradient = {IDC_GRAD_LENGTH, IDC_GRAD_HEIGHT, IDC_GRAD_GRADIENT};
    const std::initializer_list<int> energy = {IDC_ENERGY_DISTANCE, IDC_ENERGY_WEIGHT, IDC_ENERGY_HEIGHT,
                                               IDC_ENERGY_GRADIENT, IDC_ENERGY_RESULT};
    const std::string gradientBefore = Texts(gradient);
    const std::string energyBefore = Texts(energy);

    Press(IDC_AVG_CLEAR);
    EXPECT_EQ(Texts(average), "|||");
    EXPECT_EQ(Texts(gradient), gradientBefore);
    Press(IDC_GRAD_CLEAR);
    EXPECT_EQ(Texts(gradient), "|||");
    EXPECT_EQ(Texts(energy), energyBefore);
    Press(IDC_ENERGY_CLEAR);
    EXPECT_EQ(Texts(energy), "|||||");
    EXPECT_EQ(Text(IDC_CADENCE), "90");

    EXPECT_EQ(Texts({IDC_AVG_STATUS, IDC_GRAD_STATUS, IDC_ENERGY_STATUS}), statuses);
    EXPECT_EQ(Text(IDC_AVG_TIME_LABEL), text::kTimeLabelMinutes);
    EXPECT_TRUE(Minutes()->IsChecked());
    EXPECT_EQ(SpeedClass()->GetSelection(), 1);
}

// The window shows the stack's misuse in a message box.
TEST_F(CalcUiTest, TheStackTellsOfAnUnderflowInAMessageBox) {
    double popped = -1;
    wxTEST_DIALOG(popped = stack_.Pop(),
                  ExpectMessageBox(wxID_OK, text::kStackEmpty, kWarning));
    EXPECT_EQ(popped, 0.0);
}

}  // namespace
