// Limits on development (the distance one crank turn moves the bicycle), in whole
// millimetres as officials measure them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

struct DevelopmentLimit {
    std::string name;        // as the chart labels its line
    std::int64_t millimetres = 0;
};

// The choices offered, in order: no limit, the rules' categories (rules/gear_rules.h), a
// typed limit.
struct LimitChoice {
    std::string text;
    std::int64_t millimetres;  // kNoLimit, kTypedLimit or the limit
};
inline constexpr std::int64_t kNoLimit = 0;
inline constexpr std::int64_t kTypedLimit = -1;
std::span<const LimitChoice> LimitChoices();
// The position in LimitChoices() of the choice of that limit, kNoLimit or kTypedLimit.
int LimitChoicePosition(std::int64_t millimetres);

// The limit of a choice that is neither "no limit" nor "typed".
DevelopmentLimit NamedLimit(const LimitChoice& choice);

// A typed limit, or the message that refuses it (the limit in force then stays).
struct LimitReading {
    std::optional<DevelopmentLimit> limit;
    const char* refusal = nullptr;
};

// A typed limit in metres, a number of half-width digits (blanks around it allowed), above
// 0 and at most 100, rounded half up to millimetres.
LimitReading ReadTypedLimit(std::string_view metres);

// Metres rounded half up to whole millimetres, as the cells round (7.9299999999999997 m is
// 7930 mm); nothing when the value has no text within a cell's room.
std::optional<std::int64_t> MillimetresOf(double metres);

// Millimetres as metres with three decimals, "7.930".
std::string MetresText(std::int64_t millimetres);
