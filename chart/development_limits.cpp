#include "chart/development_limits.h"

#include <algorithm>
#include <charconv>

#include "calc/number_text.h"
#include "calc/speed_table.h"
#include "res/strings.h"

namespace {

constexpr LimitChoice kLimitChoices[] = {
    {text::kLimitNone, kNoLimit},  {text::kLimitJunior, 7930}, {text::kLimitU17, 7010},
    {text::kLimitU15, 6100},       {text::kLimitU13, 5660},    {text::kLimitTyped, kTypedLimit},
};

constexpr double kMostMetres = 100;
constexpr int kMillimetreDecimals = 3;

}  // namespace

std::span<const LimitChoice> LimitChoices() { return kLimitChoices; }

int LimitChoicePosition(std::int64_t millimetres) {
    const auto found = std::find_if(std::begin(kLimitChoices), std::end(kLimitChoices),
                                    [millimetres](const LimitChoice& choice) { return choice.millimetres == millimetres; });
    return static_cast<int>(found - std::begin(kLimitChoices));
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
