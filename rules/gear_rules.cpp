#include "rules/gear_rules.h"

#include <algorithm>

#include "chart/development_limits.h"
#include "res/strings.h"

namespace {

constexpr GearRule kGearRules[] = {
    {text::kRuleJcf, text::kRuleJunior, 17, 18, 7930, text::kRuleJcfSource, text::kRuleJcfConfirmed},
    {text::kRuleJcf, text::kRuleU17, 15, 16, 7010, text::kRuleJcfSource, text::kRuleJcfConfirmed},
    {text::kRuleJcf, text::kRuleU15, 13, 14, 6100, text::kRuleJcfSource, text::kRuleJcfConfirmed},
    {text::kRuleJcf, text::kRuleU13, 0, 12, 5660, text::kRuleJcfSource, text::kRuleJcfConfirmed},
};

}  // namespace

std::span<const GearRule> GearRules() { return kGearRules; }

std::string RuleName(const GearRule& rule) {
    // Limits are published in centimetres: "7.01", not "7.010".
    std::string metres = MetresText(rule.millimetres);
    if (metres.back() == '0') metres.pop_back();
    return std::string(rule.federation) + ' ' + rule.category + ' ' + metres + text::kRuleMetres;
}

const GearRule* RuleForAge(int age) {
    const auto found = std::find_if(std::begin(kGearRules), std::end(kGearRules),
                                    [age](const GearRule& rule) { return rule.youngest <= age && age <= rule.oldest; });
    return found == std::end(kGearRules) ? nullptr : &*found;
}
