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

// The circumference of the previous tyre stays only where the line has no "-".
TEST(SplitTyreEntry, KeepsThePreviousCircumferenceOnlyForALineWithoutADash) {
    const TyreFields previous = SplitTyreEntry("700x28C-2136\n", {});
    EXPECT_EQ(TextsOf(SplitTyreEntry("700CTubular-2130\n", previous)), (Texts{"700CTubul", "2130\n"}));
    EXPECT_EQ(TextsOf(SplitTyreEntry("Slick\n", previous)), (Texts{"Slick\n", "2136\n"}));
    EXPECT_EQ(TextsOf(SplitTyreEntry("Slick-", previous)), (Texts{"Slick", ""}));
    EXPECT_EQ(TextsOf(SplitTyreEntry("\x82\x96-\x83\x5C\n", {})), (Texts{"\x82\x96", "\x83\x5C\n"}));
}

}  // namespace
