#include "gear_data/gear_list.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

template <std::size_t N>
Texts TextsOf(const EntryFields<N>& fields) {
    const auto texts = fields.Texts();
    return Texts(texts.begin(), texts.end());
}

TEST(SplitEntry, SplitsAtEachDashIntoFieldsOfNineBytes) {
    const std::pair<const char*, Texts> chainrings[] = {
        {"34-50\n", {"34", "50\n", ""}},          {"\n", {"\n", "", ""}},
        {"a--b", {"a", "", "b"}},                 {"123456789012-2", {"123456789", "2", ""}},
        {"1-2-3-4-5", {"1", "2", "3"}},
    };
    for (const auto& [entry, fields] : chainrings) EXPECT_EQ(TextsOf(SplitCranksetEntry(entry)), fields) << entry;
}

// A cassette entry is split once into 15 slots, the boxes showing the first ten.
TEST(SplitCassetteEntry, KeepsFifteenSprocketsAndCountsEveryField) {
    const CassetteFields fields = SplitCassetteEntry("1-2-3-4-5-6-7-8-9-10-11-12-13-14-15-16-17\n");
    EXPECT_EQ(TextsOf(fields), (Texts{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15"}));
    EXPECT_EQ(fields.count, 17u);
    const auto boxes = fields.BoxTexts();
    EXPECT_EQ(Texts(boxes.begin(), boxes.end()), (Texts{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(SplitCassetteEntry("24-21\n").count, 2u);
    EXPECT_EQ(SplitCassetteEntry("").count, 1u);
}

// The circumference of the previous tyre stays only where the line has no "-".
TEST(SplitTyreEntry, KeepsThePreviousCircumferenceOnlyForALineWithoutADash) {
    const TyreFields previous = SplitTyreEntry("700x28C-2136\n", {});
    EXPECT_EQ(TextsOf(SplitTyreEntry("700CTubular-2130\n", previous)), (Texts{"700CTubul", "2130\n"}));
    EXPECT_EQ(TextsOf(SplitTyreEntry("Slick\n", previous)), (Texts{"Slick\n", "2136\n"}));
    EXPECT_EQ(TextsOf(SplitTyreEntry("Slick-", previous)), (Texts{"Slick", ""}));
    EXPECT_EQ(TextsOf(SplitTyreEntry("\x82\x96-\x83\x5C\n", {})), (Texts{"\x82\x96", "\x83\x5C\n"}));
}

}  // namespace
