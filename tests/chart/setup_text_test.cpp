#include "chart/setup_text.h"

#include <tuple>

#include <gtest/gtest.h>

namespace {

TEST(SetupText, TeethAboveZeroAsReadJoinedByDashes) {
    const std::pair<std::vector<double>, std::string> cases[] = {
        {{50, 34}, "50-34"}, {{0, 38, 0, 28.5}, "38-28.5"}, {{0, -3}, ""}, {{}, ""},
        {{11, 12, 13, 14, 15, 17, 19, 21, 24, 27, 30, 34, 38}, "11-12-13-14-15-17-19-21-24-27-30-34-38"},
    };
    for (const auto& [teeth, text] : cases) EXPECT_EQ(TeethList(teeth), text);
}

TEST(SetupText, TheLegendNamesChainringsTyreAndCadence) {
    EXPECT_EQ(SetupLegend({{50, 34, 0}, {11, 30}, 2105, 90, false}), "50-34 / 2105 mm / 90 rpm");
    EXPECT_EQ(SetupLegend({{48}, {}, 2096.5, 87.25, false}), "48 / 2096.5 mm / 87.25 rpm");
    const GearSet set = BuildGearSet({{50, 0, 34}, {11, 30}, 2105, 90, false}, std::nullopt);
    EXPECT_EQ(SetupLegend(set), "50-34 / 2105 mm / 90 rpm");
}

TEST(SetupText, TheProposedFileNameTellsChainringsAndTheSprocketsSpan) {
    const ChartSetup compact{{50, 34, 0}, {10, 11, 12, 13, 33, 0}, 2105, 90, false};
    const ChartSetup single{{0, 42}, {0, 16}, 2105, 90, false};
    const ChartSetup toothless{{0}, {0, -1}, 2105, 90, false};
    const ChartSetup fractional{{52.5}, {28, 11}, 2105, 90, false};
    const std::tuple<const ChartSetup*, const char*, std::string> cases[] = {
        {&compact, "png", "ギアチャート_50-34_10-33.png"},
        {&compact, "csv", "ギアチャート_50-34_10-33.csv"},
        {&single, "svg", "ギアチャート_42_16.svg"},
        {&toothless, "png", "ギアチャート.png"},
        {&fractional, "png", "ギアチャート_52.5_11-28.png"},
        {nullptr, "png", "ギアチャート.png"},
    };
    for (const auto& [setup, extension, name] : cases) EXPECT_EQ(ChartFileName(setup, extension), name);
}

}  // namespace
