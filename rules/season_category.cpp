#include "rules/season_category.h"

#include <cmath>

#include "calc/number_text.h"
#include "res/strings.h"

namespace {

// A whole number, or nothing.
std::optional<double> ReadYear(std::string_view text) {
    const std::optional<double> value = ReadWholeNumber(text);
    if (!value || *value != std::floor(*value)) return std::nullopt;
    return value;
}

}  // namespace

CategoryReading ReadSeasonCategory(std::string_view birthYear, std::string_view season) {
    const std::optional<double> seasonYear = ReadYear(season);
    if (!seasonYear || *seasonYear < kEarliestYear || *seasonYear > kLatestSeason)
        return {std::nullopt, text::kSeasonNotYear};
    const std::optional<double> birth = ReadYear(birthYear);
    if (!birth) return {std::nullopt, text::kBirthNotYear};
    if (*birth < kEarliestYear) return {std::nullopt, text::kBirthTooEarly};
    if (*birth > *seasonYear) return {std::nullopt, text::kBirthAfterSeason};
    const int age = static_cast<int>(*seasonYear - *birth);
    return {SeasonCategory{static_cast<int>(*seasonYear), age, RuleForAge(age)}, nullptr};
}

std::string CategoryText(const SeasonCategory& category) {
    return std::to_string(category.season) + text::kCategoryYear + std::to_string(category.age) +
           text::kCategoryAge + (category.rule ? RuleName(*category.rule) : std::string(text::kLimitNone));
}
