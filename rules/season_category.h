// The category a rider races in during a season: by the age reached in the season's calendar
// year, from the birth year alone.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/gear_rules.h"

inline constexpr int kEarliestYear = 1900;
inline constexpr int kLatestSeason = 9999;

struct SeasonCategory {
    int season = 0;
    int age = 0;                      // reached during the season
    const GearRule* rule = nullptr;   // nullptr: no limit at that age
};

// A category, or the message that refuses the years (the limit in force then stays).
struct CategoryReading {
    std::optional<SeasonCategory> category;
    const char* refusal = nullptr;
};

// Each box holds a whole year of half-width digits (blanks around it allowed): the season
// from kEarliestYear to kLatestSeason, the birth year from kEarliestYear to the season.
CategoryReading ReadSeasonCategory(std::string_view birthYear, std::string_view season);

// "2026年に16歳: JCF U17 7.01 m", or "... 制限なし".
std::string CategoryText(const SeasonCategory& category);
