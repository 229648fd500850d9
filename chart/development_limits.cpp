#include "chart/development_limits.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "calc/number_text.h"
#include "calc/speed_table.h"
#include "res/strings.h"
#include "rules/gear_rules.h"

namespace {

const std::vector<LimitChoice>& AllLimitChoices() {
    static const std::vector<LimitChoice> choices = [] {
        std::vector<LimitChoice> all{{text::kLimitNone, kNoLimit}};
        for (const GearRule& rule : GearRules()) all.push_back({RuleName(rule), rule.millimetres});
        all.push_back({text::kLimitTyped, kTypedLimit});
        return all;
    }();
    return choices;
}

constexpr double kMostMetres = 100;
constexpr int kMillimetreDecimals = 3;

}  // namespace

std::span<const LimitChoice> LimitChoices() { return AllLimitChoices(); }

int LimitChoicePosition(std::int64_t millimetres) {
    const std::vector<LimitChoice>& choices = AllLimitChoices();
    const auto found = std::find_if(choices.begin(), choices.end(),
                                    [millimetres](const LimitChoice& choice) { return choice.millimetres == millimetres; });
    return static_cast<int>(found - choices.begin());
}

DevelopmentLimit NamedLimit(const LimitChoice& choice) { return {choice.text, choice.millimetres}; }

LimitReading ReadTypedLimit(std::string_view metres) {
    const std::optional<double> value = ReadWholeNumber(metres);
    if (!value) return {std::nullopt, text::kLimitNotNumber};
    if (!(*value > 0 && *value <= kMostMetres)) return {std::nullopt, text::kLimitBad};
    const std::optional<std::int64_t> mm = MillimetresOf(*value);
    if (!mm || *mm == 0) return {std::nullopt, text::kLimitBad};
    return {DevelopmentLimit{text::kLimitTypedName + MetresText(*mm) + " m", *mm}, nullptr};
}

std::optional<std::int64_t> MillimetresOf(double metres) {
    std::optional<std::string> text = FormatFixed(metres, kMillimetreDecimals, kCellTextMax);
    if (!text) return std::nullopt;
    text->erase(text->find('.'), 1);
    std::int64_t mm = 0;
    std::from_chars(text->data(), text->data() + text->size(), mm);
    return mm;
}

std::string MetresText(std::int64_t millimetres) {
    std::string digits = std::to_string(millimetres);
    if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
    digits.insert(digits.size() - 3, 1, '.');
    return digits;
}
