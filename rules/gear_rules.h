// The development limits of the federations' youth categories, as one table with the source
// of each figure. Only figures with a published source are listed.
#pragma once

#include <cstdint>
#include <span>
#include <string>

struct GearRule {
    const char* federation;
    const char* category;
    // The ages it covers: the age reached in the season's calendar year.
    int youngest;
    int oldest;
    std::int64_t millimetres;  // the longest development allowed, whole mm
    const char* source;        // rulebook and article
    const char* confirmed;     // date the figure was last checked against the source
};

// Heaviest category first.
std::span<const GearRule> GearRules();

// "JCF U17 7.01 m": as the limit choice and the chart's line name it.
std::string RuleName(const GearRule& rule);

// The rule for that age, or nullptr when no rule limits it.
const GearRule* RuleForAge(int age);
