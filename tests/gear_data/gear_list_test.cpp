#include "gear_data/gear_list.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

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

}  // namespace
