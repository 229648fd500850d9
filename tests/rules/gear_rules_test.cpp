#include "rules/gear_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(GearRules, EachAgeFallsInOneCategoryAndNineteenInNone) {
    const struct {
        int age;
        std::int64_t millimetres;  // 0: no rule
    } cases[] = {{0, 5660},  {12, 5660}, {13, 6100}, {14, 6100}, {15, 7010},
                 {16, 7010}, {17, 7930}, {18, 7930}, {19, 0},    {70, 0}};
    for (const auto& c : cases) {
        const GearRule* rule = RuleForAge(c.age);
        EXPECT_EQ(rule ? rule->millimetres : 0, c.millimetres) << c.age;
    }
}

}  // namespace
