#include "chart/chart_model.h"

#include <gtest/gtest.h>

#include "calc/units.h"
#include "chart/chart_axis.h"
#include "res/strings.h"

namespace {

using Cells = std::array<std::string, kChartColumns>;

ChartSetup Gears(std::vector<double> chainrings, std::vector<double> sprockets, double circumference,
                 double cadence = 90) {
    return {std::move(chainrings), std::move(sprockets), circumference, cadence, false};
}

std::vector<Cells> Table(const GearSet& set) {
    std::vector<Cells> rows;
    for (const ChartGear& gear : set.gears) rows.push_back(gear.cells);
    return rows;
}

const DevelopmentLimit kJunior = NamedLimit(LimitChoices()[LimitChoicePosition(7930)]);

TEST(ChartModel, TwelveSpeedCassette) {
    const GearSet set = BuildGearSet(Gears({50, 34}, {11, 12, 13, 14, 15, 16, 17, 19, 21, 24, 27, 30}, 2096), kJunior);
    const std::vector<Cells> expected = {
        {"34×30", "1.13", "2.375", "29.8", "12.83", "", "", ""},
        {"34×27", "1.26", "2.639", "33.1", "14.25", "11.1", "", ""},
        {"34×24", "1.42", "2.969", "37.2", "16.03", "12.5", "", ""},
        {"34×21", "1.62", "3.394", "42.5", "18.33", "14.3", "50×30", ""},
        {"50×30", "1.67", "3.493", "43.8", "18.86", "", "34×21", ""},
        {"34×19", "1.79", "3.751", "47.0", "20.25", "10.5", "", ""},
        {"50×27", "1.85", "3.881", "48.6", "20.96", "11.1", "", ""},
        {"34×17", "2.00", "4.192", "52.5", "22.64", "11.8", "", ""},
        {"50×24", "2.08", "4.367", "54.7", "23.58", "12.5", "34×16", ""},
        {"34×16", "2.13", "4.454", "55.8", "24.05", "6.3", "50×24", ""},
        {"34×15", "2.27", "4.751", "59.5", "25.66", "6.7", "", ""},
        {"50×21", "2.38", "4.990", "62.5", "26.95", "14.3", "34×14", ""},
        {"34×14", "2.43", "5.090", "63.8", "27.49", "7.1", "50×21", ""},
        {"34×13", "2.62", "5.482", "68.7", "29.60", "7.7", "50×19", ""},
        {"50×19", "2.63", "5.516", "69.1", "29.79", "10.5", "34×13", ""},
        {"34×12", "2.83", "5.939", "74.4", "32.07", "8.3", "", ""},
        {"50×17", "2.94", "6.165", "77.3", "33.29", "11.8", "", ""},
        {"34×11", "3.09", "6.479", "81.2", "34.98", "9.1", "50×16", ""},
        {"50×16", "3.13", "6.550", "82.1", "35.37", "6.3", "34×11", ""},
        {"50×15", "3.33", "6.987", "87.6", "37.73", "6.7", "", ""},
        {"50×14", "3.57", "7.486", "93.8", "40.42", "7.1", "", ""},
        {"50×13", "3.85", "8.062", "101.0", "43.53", "7.7", "", "超過"},
        {"50×12", "4.17", "8.733", "109.4", "47.16", "8.3", "", "超過"},
        {"50×11", "4.55", "9.527", "119.4", "51.45", "9.1", "", "超過"},
    };
    EXPECT_EQ(Table(set), expected);
    EXPECT_EQ(LimitSummary(set, kJunior), "制限内の最大ギア 50×14 展開 7.486 m (余裕 0.444 m)");
}

// The shown development meets the limit while the unrounded one lies just past it: the
// gear passes, as officials measure in whole millimetres.
TEST(ChartModel, AGearIsCheckedByItsDevelopmentRoundedToMillimetres) {
    const std::pair<double, bool> cases[] = {{2135.1, false}, {2135.14, true}, {2134.9, false}};
    for (const auto& [circumference, over] : cases) {
        const GearSet set = BuildGearSet(Gears({52}, {14}, circumference), kJunior);
        EXPECT_EQ(set.gears[0].overLimit, over) << circumference;
        EXPECT_EQ(set.gears[0].cells[kLimitColumn], over ? text::kOverLimit : "") << circumference;
    }
}

// A chainring of 0 has a row without gears; one too large to show is left out.
TEST(ChartModel, TheNoteTellsOfGearsLeftOutAndOfALongerCassetteSetAside) {
    ChartSetup setup = Gears({50, 0, 1e15}, {1, 2}, 2096);
    const GearSet set = BuildGearSet(setup, std::nullopt);
    ASSERT_EQ(set.rows.size(), 2u);
    EXPECT_EQ(set.rows[1].label, "1000000000000000T");
    EXPECT_TRUE(set.rows[1].gears.empty());
    EXPECT_EQ(set.gears.size(), 2u);
    EXPECT_EQ(ChartNote(set), "数値が表せないギア 2 個を省きました。");
    setup.longerEntrySetAside = true;
    EXPECT_EQ(ChartNote(BuildGearSet(setup, std::nullopt)),
              std::string("数値が表せないギア 2 個を省きました。") + text::kChartSprocketsSetAside);
    setup.chainrings = {50};
    EXPECT_EQ(ChartNote(BuildGearSet(setup, std::nullopt)), text::kChartSprocketsSetAside);
    setup.longerEntrySetAside = false;
    EXPECT_EQ(ChartNote(BuildGearSet(setup, std::nullopt)), "");
    EXPECT_EQ(BuildGearSet(Gears({50}, {11}, 0), std::nullopt).leftOut, 1);
}

TEST(ChartModel, NearGearTiesGoToTheLowerChainringThenTheLowerColumn) {
    const GearSet rings = BuildGearSet(Gears({50, 45, 40}, {20, 18, 16}, 2000), std::nullopt);
    std::vector<std::string> order, nearest;
    for (const ChartGear& gear : rings.gears)
        if (gear.development == 5) order.push_back(gear.cells[kGearColumn]), nearest.push_back(gear.cells[kNearColumn]);
    EXPECT_EQ(order, (std::vector<std::string>{"50×20", "45×18", "40×16"}));  // equal: box order
    EXPECT_EQ(nearest, (std::vector<std::string>{"40×16", "40×16", "45×18"}));

    const GearSet columns = BuildGearSet(Gears({40, 50}, {16, 20, 20}, 2000), std::nullopt);
    const ChartGear& gear = columns.gears[2];
    ASSERT_EQ(gear.cells[kGearColumn], "40×16");
    EXPECT_EQ(columns.gears[*gear.nearest].column, 1u);
    EXPECT_EQ(columns.gears[*columns.gears[3].nearest].cells[kGearColumn], "40×16");  // not its own row
}

// Each named choice limits the metres its label shows.
TEST(DevelopmentLimits, EachChoiceLimitsTheMetresItsLabelShows) {
    const std::pair<const char*, std::int64_t> expected[] = {
        {text::kLimitNone, kNoLimit}, {"JCF ジュニア 7.93 m", 7930}, {"JCF U17 7.01 m", 7010},
        {"JCF U15 6.10 m", 6100},     {"JCF U13 5.66 m", 5660},    {text::kLimitTyped, kTypedLimit},
    };
    ASSERT_EQ(LimitChoices().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const LimitChoice& choice = LimitChoices()[i];
        EXPECT_EQ(choice.text, expected[i].first);
        EXPECT_EQ(choice.millimetres, expected[i].second) << choice.text;
        EXPECT_EQ(LimitChoicePosition(choice.millimetres), static_cast<int>(i));
    }
}

// A typed limit is a number of half-width digits in metres; a full-width "７．９３" gets the
// same message as any other text that is no number, and one out of range says the range.
TEST(DevelopmentLimits, TypedLimitsAreMetresAbove0AndAtMost100RoundedHalfUpToMillimetres) {
    constexpr std::int64_t kRefused = -1;
    const struct {
        const char* typed;
        std::int64_t mm;
        const char* refusal;
    } cases[] = {
        {"7.5", 7500, nullptr},           {" 6.6375 ", 6638, nullptr},        {"+7.93", 7930, nullptr},
        {"100", 100000, nullptr},         {"0.0005", 1, nullptr},             {"0.0004", kRefused, text::kLimitBad},
        {"100.0001", kRefused, text::kLimitBad}, {"0", kRefused, text::kLimitBad}, {"-1", kRefused, text::kLimitBad},
        {"7.9m", kRefused, text::kLimitNotNumber}, {"\x82\x56\x81\x44\x82\x58\x82\x52", kRefused, text::kLimitNotNumber},
    };
    for (const auto& c : cases) {
        const LimitReading reading = ReadTypedLimit(c.typed);
        EXPECT_EQ(reading.limit ? reading.limit->millimetres : kRefused, c.mm) << c.typed;
        EXPECT_EQ(reading.refusal, c.refusal) << c.typed;
    }
    EXPECT_EQ(ReadTypedLimit("7.5").limit->name, "指定 7.500 m");
}

TEST(ChartAxis, LogarithmicPositionsAndRoundTicksOnBothScales) {
    ChartAxis axis;
    axis.Include(8);
    axis.Include(2);
    EXPECT_DOUBLE_EQ(axis.Position(4), 0.5);
    EXPECT_LT(axis.Position(2), axis.Position(2.1));
    const auto labels = [](const std::vector<ChartTick>& ticks) {
        std::vector<std::string> texts;
        for (const ChartTick& tick : ticks) texts.push_back(tick.label);
        return texts;
    };
    using Texts = std::vector<std::string>;
    EXPECT_EQ(labels(axis.DevelopmentTicks(12)), (Texts{"2", "2.5", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(labels(axis.DevelopmentTicks(5)), (Texts{"2", "5"}));
    EXPECT_EQ(labels(axis.SpeedTicks(90, 6)), (Texts{"12", "15", "20", "25", "30", "40"}));
    EXPECT_DOUBLE_EQ(axis.SpeedTicks(90, 6)[2].position, axis.Position(20 / 5.4));
    EXPECT_DOUBLE_EQ(SpeedAt(2, 90), 10.8);
    EXPECT_TRUE(axis.SpeedTicks(0, 6).empty());
}

}  // namespace
