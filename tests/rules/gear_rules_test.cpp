#include "rules/gear_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(GearRules, JcfFourCategoriesWithTheirSource) {
    const struct {
        const char* name;
        int youngest;
        int oldest;
        std::int64_t millimetres;
    } expected[] = {
        {"JCF ジュニア 7.93 m", 17, 18, 7930},
        {"JCF U17 7.01 m", 15, 16, 7010},
        {"JCF U15 6.10 m", 13, 14, 6100},
        {"JCF U13 5.66 m", 0, 12, 5660},
    };
    ASSERT_EQ(GearRules().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const GearRule& rule = GearRules()[i];
        EXPECT_EQ(RuleName(rule), expected[i].name);
        EXPECT_EQ(rule.youngest, expected[i].youngest) << expected[i].name;
        EXPECT_EQ(rule.oldest, expected[i].oldest) << expected[i].name;
        EXPECT_EQ(rule.millimetres, expected[i].millimetres) << expected[i].name;
        EXPECT_NE(std::string(rule.source).find("JCF"), std::string::npos);
        EXPECT_STREQ(rule.confirmed, "2026-12-08");
    }
}

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
