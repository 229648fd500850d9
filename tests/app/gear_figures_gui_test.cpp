// The speed cells' tooltips after a press of Calculate.
#include <gtest/gtest.h>

#include "app/gui_test_support.h"
#include "res/resource_ids.h"

namespace {

class GearFiguresTest : public MainDialogFixture {
protected:
    std::string Tip(int row, int column) {
        return FromWidgetText(
            dialog_->FindWindow(IDC_CELL_FIRST + 10 * (row - 1) + (column - 1))->GetToolTipText());
    }
    void Calculate() { ClickOn(dialog_->FindWindow(IDC_CALCULATE)); }
};

TEST_F(GearFiguresTest, EachCellTellsTheFiguresOfTheLastPressAndAnEmptyCellNone) {
    const std::pair<int, const char*> example[] = {
        {IDC_SPROCKET_FIRST, "24"}, {IDC_SPROCKET_FIRST + 1, "21"}, {IDC_SPROCKET_FIRST + 7, "12"},
        {IDC_CHAINRING_FIRST, "28"}, {IDC_CHAINRING_FIRST + 2, "48"},
        {IDC_CIRCUMFERENCE, "2096"}, {IDC_CADENCE, "90"}};
    for (const auto& [id, text] : example) SetTextOf(dialog_.get(), id, text);
    Calculate();
    EXPECT_EQ(Tip(1, 1), "28×24\nギア比 1.17\n展開 2.45 m\nギアインチ 30.6");
    EXPECT_EQ(Tip(3, 8), "48×12\nギア比 4.00\n展開 8.38 m\nギアインチ 105.1");
    EXPECT_EQ(Tip(3, 9), "");
    EXPECT_EQ(Tip(2, 1), "");

    SetTextOf(dialog_.get(), IDC_SPROCKET_FIRST, "");
    SetTextOf(dialog_.get(), IDC_CIRCUMFERENCE, "2000");
    EXPECT_EQ(Tip(1, 2), "28×21\nギア比 1.33\n展開 2.79 m\nギアインチ 35.0");  // until the press
    Calculate();
    EXPECT_EQ(Tip(1, 1), "");
    EXPECT_EQ(Tip(1, 2), "28×21\nギア比 1.33\n展開 2.67 m\nギアインチ 33.4");
}

}  // namespace
