#include "rules/lock_out.h"

#include <gtest/gtest.h>

#include "res/strings.h"

namespace {

constexpr std::int64_t kJunior = 7930;
constexpr std::int64_t kU17 = 7010;
constexpr std::int64_t kU15 = 6100;
constexpr std::int64_t kU13 = 5660;

GearSet Set(std::vector<double> chainrings, std::vector<double> sprockets, double circumference) {
    return BuildGearSet({std::move(chainrings), std::move(sprockets), circumference, 90, false}, std::nullopt);
}

std::vector<std::string> Lines(const GearSet& set, std::int64_t limit) {
    const LockOut plan = PlanLockOut(set, limit);
    std::vector<std::string> lines;
    for (const RingLockOut& ring : plan.rings) lines.push_back(RingLockOutText(ring));
    lines.push_back(HighLimitText(plan));
    return lines;
}

const std::vector<double> kTwelve = {11, 12, 13, 14, 15, 16, 17, 18, 19, 21, 24, 28};

std::string HighLimit(const char* teeth) {
    return std::string("ハイ側の調整: トップを ") + teeth + "T に\n(それより小さい歯数に入らないように)";
}

TEST(LockOut, EachChainringsSmallestSprocketWithinAndTheHighLimit) {
    const struct {
        std::vector<double> chainrings;
        std::vector<double> sprockets;
        double circumference;
        std::int64_t limit;
        std::vector<std::string> lines;
    } cases[] = {
        // 50×15 is 7017 mm, 7 over U17; 50×16 is 6578.
        {{50, 34}, kTwelve, 2105, kU17, {"50T: 16T 以上 (11～15T は超過)", "34T: すべて制限内", HighLimit("16")}},
        // 52×18 6081 within U15, 52×17 6439 over; 36×12 6315 over, 36×13 5829 within.
        {{52, 36}, kTwelve, 2105, kU15,
         {"52T: 18T 以上 (11～17T は超過)", "36T: 13T 以上 (11～12T は超過)", HighLimit("18")}},
        // 48×18 5613 within U13; a single sprocket over.
        {{48}, {17, 18, 19}, 2105, kU13, {"48T: 18T 以上 (17T は超過)", HighLimit("18")}},
        // Every sprocket within.
        {{34}, {14, 28}, 2105, kJunior, {"34T: すべて制限内", text::kHighLimitNotNeeded}},
        // 52×14 at 2135 mm is 7930 mm, exactly on the limit; 2136 is 7934, over.
        {{52}, {13, 14}, 2135, kJunior, {"52T: 14T 以上 (13T は超過)", HighLimit("14")}},
        {{52}, {14}, 2136, kJunior, {"52T: どの歯数も超過", text::kHighLimitNone}},
        // A sprocket twice in the boxes is listed once.
        {{52}, {12, 12, 14}, 2135, kJunior, {"52T: 14T 以上 (12T は超過)", HighLimit("14")}},
    };
    for (const auto& c : cases) EXPECT_EQ(Lines(Set(c.chainrings, c.sprockets, c.circumference), c.limit), c.lines);
}

// The rings' lines above tell the rest of the plan.
TEST(LockOut, TheSettingLeavesTheHeaviestGearWithinTheLimit) {
    const GearSet set = Set({50, 34}, {11, 12, 13, 14, 15, 16, 17}, 2105);
    const LockOut plan = PlanLockOut(set, kU17);
    ASSERT_TRUE(plan.heaviestLeft);
    EXPECT_EQ(set.gears[*plan.heaviestLeft].cells[kGearColumn], "50×16");

    const LockOut none = PlanLockOut(Set({50}, {}, 2105), kU17);
    EXPECT_TRUE(none.rings.empty());
    EXPECT_FALSE(none.highLimit);
    EXPECT_FALSE(none.heaviestLeft);
}

}  // namespace
