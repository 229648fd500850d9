#include "gear_data/chart_sprockets.h"

#include <gtest/gtest.h>

namespace {

using Sprockets = std::vector<double>;
using BoxTexts = std::array<std::string, kSprocketBoxes>;

// The boxes as choosing the entry from the list fills them, read as the speed table reads.
BoxTexts BoxesOf(const CassetteFields& entry) {
    BoxTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = entry.BoxTexts()[i];
    return texts;
}

std::array<double, kSprocketBoxes> Values(const BoxTexts& texts) {
    std::array<double, kSprocketBoxes> values{};
    for (std::size_t i = 0; i < texts.size(); ++i) values[i] = std::atof(texts[i].c_str());
    return values;
}

TEST(ChooseChartSprockets, TakesALongerEntryWholeOnlyWhileTheBoxesHoldItsFirstTen) {
    const struct {
        const char* entry;
        std::size_t changedBox;  // kSprocketBoxes: none
        const char* typed;
        Sprockets expected;
        bool setAside;
    } cases[] = {
        {"9-10-11-12-13-14-16-18-20-23-27-31-36\n", kSprocketBoxes, "", {9, 10, 11, 12, 13, 14, 16, 18, 20, 23, 27, 31, 36}, false},
        {"1-2-3-4-5-6-7-8-9-10-11-12-13-14-15-16-17\n", kSprocketBoxes, "", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, false},
        {"11-12-13-14-15-16-17-19-21-24-27\n", 9, "25", {11, 12, 13, 14, 15, 16, 17, 19, 21, 25}, true},
        {"11-12-13-14-15-16-17-19-21-24-27\n", 4, "15.0", {11, 12, 13, 14, 15, 16, 17, 19, 21, 24}, true},
        {"11-12-13-14-15-16-17-19-21-24-27\n", 0, "", {0, 12, 13, 14, 15, 16, 17, 19, 21, 24}, true},
        {"11-12-13-14-15-16-17-19-21-24\n", 0, "10", {10, 12, 13, 14, 15, 16, 17, 19, 21, 24}, false},
        {"24-21-18\n", kSprocketBoxes, "", {24, 21, 18, 0, 0, 0, 0, 0, 0, 0}, false},
    };
    for (const auto& c : cases) {
        const CassetteFields entry = SplitCassetteEntry(c.entry);
        BoxTexts boxes = BoxesOf(entry);
        if (c.changedBox < kSprocketBoxes) boxes[c.changedBox] = c.typed;
        const ChartSprockets chosen = ChooseChartSprockets(entry, boxes, Values(boxes));
        EXPECT_EQ(chosen.sprockets, c.expected) << c.entry << " box " << c.changedBox;
        EXPECT_EQ(chosen.longerEntrySetAside, c.setAside) << c.entry << " box " << c.changedBox;
    }
}

}  // namespace
