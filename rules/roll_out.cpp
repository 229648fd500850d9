#include "rules/roll_out.h"

#include <cmath>

#include "calc/gear_figures.h"
#include "chart/development_limits.h"
#include "res/strings.h"

RollOutReading CheckRollOut(std::string_view metres, double chainring, double sprocket, std::int64_t limit) {
    const LimitReading reading = ReadTypedLimit(metres);
    if (!reading.limit)
        return {std::nullopt, reading.refusal == text::kLimitNotNumber ? text::kRollOutNotNumber : text::kRollOutBad};
    const std::int64_t measured = reading.limit->millimetres;
    const auto circumference = std::llround(static_cast<double>(measured) * sprocket / chainring);
    return {RollOut{measured, limit - measured, circumference}, nullptr};
}

std::string RollOutText(const RollOut& rollOut, double listedCircumference) {
    std::string line = rollOut.margin >= 0
                           ? text::kRollOutPass + std::to_string(rollOut.margin) + text::kRollOutPassAfter
                           : text::kRollOutFail + std::to_string(-rollOut.margin) + text::kRollOutFailAfter;
    return line + text::kRollOutImplied + std::to_string(rollOut.circumference) + text::kRollOutListed +
           TeethText(listedCircumference).value_or(std::string()) + text::kRollOutListedAfter;
}
