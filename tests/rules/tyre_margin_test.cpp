#include "rules/tyre_margin.h"

#include <gtest/gtest.h>

#include "calc/gear_figures.h"

namespace {

constexpr std::int64_t kJunior = 7930;
constexpr std::int64_t kU17 = 7010;
constexpr std::int64_t kU15 = 6100;
constexpr std::int64_t kU13 = 5660;

ChartGear Gear(double chainring, double sprocket) {
    ChartGear gear;
    gear.chainring = chainring;
    gear.sprocket = sprocket;
    gear.cells[kGearColumn] = GearText(chainring, sprocket).value();
    return gear;
}

TEST(TyreMargin, LargestWholeMillimetreCircumferenceThatStillPasses) {
    const struct {
        double chainring;
        double sprocket;
        double circumference;
        std::int64_t limit;
        std::int64_t largest;
        double margin;
    } cases[] = {
        {52, 14, 2105, kJunior, 2135, 30},    // 7930 × 14 ÷ 52 = 2135.0: exactly on the limit
        {53, 16, 2105, kU17, 2116, 11},       // 2116 gives 7009.0, 2117 gives 7012.3
        {50, 16, 2105.5, kU17, 2243, 137.5},  // 2243 gives 7009.4, rounded to 7009
        {52, 18, 2105, kU15, 2111, 6},        // 2111 gives 6098.4, 2112 gives 6101.3
        {50, 15, 2105, kU17, 2103, -2},       // the list's tyre is 7017: over
        {48, 18, 2105, kU13, 2122, 17},       // 2122 gives 5658.7, 2123 gives 5661.3
        {10, 11, 2105, 1, 1, -2104},          // 1 mm gives 0.9, rounded to 1
        {10, 44, 2105, 1000, 4402, 2297},     // 4402 gives 1000.45, rounded down onto the limit
    };
    for (const auto& c : cases) {
        const std::optional<TyreMargin> margin = ComputeTyreMargin(Gear(c.chainring, c.sprocket), c.circumference, c.limit);
        ASSERT_TRUE(margin) << c.chainring << "x" << c.sprocket;
        EXPECT_EQ(margin->largest, c.largest) << c.chainring << "x" << c.sprocket;
        EXPECT_DOUBLE_EQ(margin->margin, c.margin) << c.chainring << "x" << c.sprocket;
    }
    EXPECT_FALSE(ComputeTyreMargin(Gear(53, 11), 2105, 1));  // 1 mm is 4.8: none passes
}

}  // namespace
