#include "chart/chart_table.h"

#include <gtest/gtest.h>

#include "res/strings.h"

namespace {

using Row = std::vector<std::string>;

ChartSetup Gears(double chainring, std::vector<double> sprockets, double circumference, double cadence) {
    return {{chainring}, std::move(sprockets), circumference, cadence, false};
}

const DevelopmentLimit kJunior = NamedLimit(LimitChoices()[LimitChoicePosition(7930)]);

TEST(ChartTable, ListsTheComparisonAfterTheCurrentGearsEachWorkedOutAlone) {
    const GearSet current = BuildGearSet(Gears(50, {12, 14}, 2100, 90), kJunior);
    // 34×10 lies within 3 % of 50×14, but in the other set: no near gear, no step.
    const GearSet comparison = BuildGearSet(Gears(34, {10}, 2200, 60), kJunior);

    const TextTable plain = BuildChartTable(&current, nullptr, std::nullopt);
    EXPECT_EQ(plain.header, (Row{"ギア", "ギア比", "展開 m", "ギアインチ", "速度 km/h", "段差 %", "近いギア", "制限", "周長 mm", "回転数 rpm"}));
    ASSERT_EQ(plain.rows.size(), 2u);
    Row cells(current.gears[1].cells.begin(), current.gears[1].cells.end());
    cells.insert(cells.end(), {"2100", "90"});
    EXPECT_EQ(plain.rows[1], cells);

    const TextTable both = BuildChartTable(&current, &comparison, CadenceBand{60, 90});
    EXPECT_EQ(both.header, (Row{"組", "ギア", "ギア比", "展開 m", "ギアインチ", "速度 km/h", "段差 %",
                                "近いギア", "制限", "最低速度 km/h", "最高速度 km/h", "周長 mm", "回転数 rpm"}));
    ASSERT_EQ(both.rows.size(), 3u);
    EXPECT_EQ(both.rows[0], (Row{"現在", "50×14", "3.57", "7.500", "94.0", "40.50", "", "", "", "27.00", "40.50", "2100", "90"}));
    EXPECT_EQ(both.rows[1], (Row{"現在", "50×12", "4.17", "8.750", "109.7", "47.25", "16.7", "", "超過", "31.50", "47.25", "2100", "90"}));
    EXPECT_EQ(both.rows[2], (Row{"比較", "34×10", "3.40", "7.480", "93.7", "26.93", "", "", "", "26.93", "40.39", "2200", "60"}));

    const TextTable beforeFirstPress = BuildChartTable(nullptr, nullptr, CadenceBand{60, 90});
    EXPECT_EQ(beforeFirstPress.header.size(), 12u);
    EXPECT_TRUE(beforeFirstPress.rows.empty());
}

}  // namespace
