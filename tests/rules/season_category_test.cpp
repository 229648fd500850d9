#include "rules/season_category.h"

#include <gtest/gtest.h>

#include "res/strings.h"

namespace {

TEST(SeasonCategory, AgeReachedInTheSeasonsCalendarYearOrWhyTheYearsAreRefused) {
    const struct {
        const char* birth;
        const char* season;
        const char* text;     // nullptr: refused
        const char* refusal;
    } cases[] = {
        {"2010", "2026", "2026年に16歳: JCF U17 7.01 m", nullptr},
        {"2008", "2026", "2026年に18歳: JCF ジュニア 7.93 m", nullptr},
        {"2007", "2026", "2026年に19歳: 制限なし", nullptr},
        {"2009", "2026", "2026年に17歳: JCF ジュニア 7.93 m", nullptr},
        {"2011", "2026", "2026年に15歳: JCF U17 7.01 m", nullptr},
        {"2012", "2026", "2026年に14歳: JCF U15 6.10 m", nullptr},
        {"2013", "2026", "2026年に13歳: JCF U15 6.10 m", nullptr},
        {"2014", "2026", "2026年に12歳: JCF U13 5.66 m", nullptr},
        {" 2026 ", "2026", "2026年に0歳: JCF U13 5.66 m", nullptr},
        {"1900", "1900", "1900年に0歳: JCF U13 5.66 m", nullptr},
        {"1900", "9999", "9999年に8099歳: 制限なし", nullptr},
        {"2010", "2027.0", "2027年に17歳: JCF ジュニア 7.93 m", nullptr},
        {"1899", "2026", nullptr, text::kBirthTooEarly},   {"2027", "2026", nullptr, text::kBirthAfterSeason},
        {"２０１０", "2026", nullptr, text::kBirthNotYear},  {"2010.5", "2026", nullptr, text::kBirthNotYear},
        {"2010年", "2026", nullptr, text::kBirthNotYear},    {"2010", "", nullptr, text::kSeasonNotYear},
        {"2010", "1899", nullptr, text::kSeasonNotYear},   {"2010", "10000", nullptr, text::kSeasonNotYear},
        {"2010", "2026.5", nullptr, text::kSeasonNotYear}, {"-1e300", "2026", nullptr, text::kBirthTooEarly},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.birth << ' ' << c.season);
        const CategoryReading reading = ReadSeasonCategory(c.birth, c.season);
        EXPECT_EQ(reading.category ? CategoryText(*reading.category) : "", c.text ? c.text : "");
        EXPECT_STREQ(reading.refusal, c.refusal);
    }
}

}  // namespace
