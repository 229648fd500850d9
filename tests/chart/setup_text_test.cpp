#include "chart/setup_text.h"

#include <tuple>

#include <gtest/gtest.h>

namespace {

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
