#include "rules/season_category.h"

#include <gtest/gtest.h>

#include "res/strings.h"

namespace {

TEST(SeasonCategory, AgeReachedInTheSeasonsCalendarYear) {
    const struct {
        const char* birth;
        const char* season;
        const char* text;
    } cases[] = {
        {"2010", "2026", "2026年に16歳: JCF U17 7.01 m"},
        {"2008", "2026", "2026年に18歳: JCF ジュニア 7.93 m"},
        {"2007", "2026", "2026年に19歳: 制限なし"},
        {"2009", "2026", "2026年に17歳: JCF ジュニア 7.93 m"},
        {"2011", "2026", "2026年に15歳: JCF U17 7.01 m"},
        {"2012", "2026", "2026年に14歳: JCF U15 6.10 m"},
        {"2013", "2026", "2026年に13歳: JCF U15 6.10 m"},
        {"2014", "2026", "2026年に12歳: JCF U13 5.66 m"},
        {" 2026 ", "2026", "2026年に0歳: JCF U13 5.66 m"},
        {"1900", "1900", "1900年に0歳: JCF U13 5.66 m"},
        {"1900", "9999", "9999年に8099歳: 制限なし"},
        {"2010", "2027.0", "2027年に17歳: JCF ジュニア 7.93 m"},
    };
    for (const auto& c : cases) {
        const CategoryReading reading = ReadSeasonCategory(c.birth, c.season);
        ASSERT_TRUE(reading.category) << c.birth << ' ' << c.season;
        EXPECT_EQ(reading.refusal, nullptr);
        EXPECT_EQ(CategoryText(*reading.category), c.text);
    }
}

TEST(SeasonCategory, RefusesYearsThatAreNoneOrOutOfRange) {
    const struct {
        const char* birth;
        const char* season;
        const char* refusal;
    } cases[] = {
        {"1899", "2026", text::kBirthTooEarly},   {"2027", "2026", text::kBirthAfterSeason},
        {"", "2026", text::kBirthNotYear},        {"２０１０", "2026", text::kBirthNotYear},
        {"2010.5", "2026", text::kBirthNotYear},  {"2010年", "2026", text::kBirthNotYear},
        {"2010", "", text::kSeasonNotYear},       {"2010", "1899", text::kSeasonNotYear},
        {"2010", "10000", text::kSeasonNotYear},  {"2010", "2026.5", text::kSeasonNotYear},
        {"2010", "1e300", text::kSeasonNotYear},  {"-1e300", "2026", text::kBirthTooEarly},
    };
    for (const auto& c : cases) {
        const CategoryReading reading = ReadSeasonCategory(c.birth, c.season);
        EXPECT_FALSE(reading.category) << c.birth << ' ' << c.season;
        EXPECT_STREQ(reading.refusal, c.refusal) << c.birth << ' ' << c.season;
    }
}

}  // namespace
