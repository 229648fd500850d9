#include "gear_data/gear_list.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "gear_data/gear_tables.h"

namespace {

using Texts = std::vector<std::string>;

template <std::size_t N>
Texts TextsOf(const EntryFields<N>& fields) {
    const auto texts = fields.Texts();
    return Texts(texts.begin(), texts.end());
}

struct SplitCase {
    const char* entry;
    Texts before;
    bool emptyOthers;
    Texts after;
};

// emptyOthers: crankset and cassette slots are emptied first, tyre slots are not.
const SplitCase kSplitCases[] = {
    {"34-50\n", {"1", "2", "3"}, true, {"34", "50\n", ""}},
    {"\n", {"1", "2", "3"}, true, {"\n", "", ""}},
    {"a--b", {"1", "2", "3"}, true, {"a", "", "b"}},
    {"123456789012-2", {"", "", ""}, true, {"123456789", "2", ""}},
    {"1-2-3-4-5", {"", "", ""}, true, {"1", "2", "3"}},
    {"700CTubular-2130\n", {"x", "2136\n"}, false, {"700CTubul", "2130\n"}},
    {"Slick\n", {"700x28C", "2136\n"}, false, {"Slick\n", "2136\n"}},
    {"Slick-", {"700x28C", "2136\n"}, false, {"Slick", ""}},
    {"\x82\x96-\x83\x5C\n", {"", ""}, false, {"\x82\x96", "\x83\x5C\n"}},
};

TEST(SplitEntry, SplitsAtEachDashIntoSlotsOfNineBytes) {
    for (const SplitCase& c : kSplitCases) {
        SCOPED_TRACE(c.entry);
        std::vector<FieldSlot> slots(c.before.size());
        for (std::size_t i = 0; i < slots.size(); ++i)
            std::copy(c.before[i].begin(), c.before[i].end(), slots[i].begin());
        SplitEntry(c.entry, slots, c.emptyOthers);
        Texts after;
        for (const FieldSlot& slot : slots) after.emplace_back(slot.data());
        EXPECT_EQ(after, c.after);
    }
}

TEST(SplitEntry, EachListFillsItsOwnSlots) {
    CassetteList = CranksetList = TyreList = GearList{};
    CassetteList.Append("Cassette\n");
    CassetteList.Append("11-12-13-14-15-16-17-18-19-21-23-25\n");
    SplitCassetteEntry(1);
    EXPECT_EQ(TextsOf(CassetteFields),
              (Texts{"11", "12", "13", "14", "15", "16", "17", "18", "19", "21"}));

    // A choice the list lacks empties the crankset but keeps the circumference.
    CranksetList.Append("Front Crankset\n");
    CranksetList.Append("28-38-48\n");
    SplitCranksetEntry(1);
    SplitCranksetEntry(2);
    EXPECT_EQ(TextsOf(CranksetFields), (Texts{"", "", ""}));
    TyreList.Append("Tire surroundings\n");
    TyreList.Append("700x23C-2096\n");
    SplitTyreEntry(1);
    SplitTyreEntry(5);
    EXPECT_EQ(TextsOf(TyreFields), (Texts{"", "2096\n"}));
}

}  // namespace
