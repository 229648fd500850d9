#include "chart/cadence_band.h"

#include <charconv>
#include <cmath>

#include "calc/speed_table.h"
#include "res/strings.h"

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// The whole text as a finite number; nothing when any of it is not part of one.
std::optional<double> WholeNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace

BandReading ReadCadenceBand(std::string_view lowText, std::string_view highText) {
    lowText = Trimmed(lowText);
    highText = Trimmed(highText);
    if (lowText.empty() && highText.empty()) return {};
    if (lowText.empty() || highText.empty()) return {std::nullopt, text::kBandNeedsBoth};
    const std::optional<double> low = WholeNumber(lowText);
    const std::optional<double> high = WholeNumber(highText);
    if (!low || !high) return {std::nullopt, text::kBandNotNumber};
    if (!(*low > 0 && *high > 0)) return {std::nullopt, text::kBandNotAboveZero};
    if (*low > *high) return {std::nullopt, text::kBandLowAboveHigh};
    return {CadenceBand{*low, *high}, nullptr};
}

BandSpeeds ComputeBandSpeeds(double chainring, double sprocket, double circumference,
                             const CadenceBand& band) {
    return {SpeedText(GearSpeed(chainring, band.low, sprocket, circumference)),
            SpeedText(GearSpeed(chainring, band.high, sprocket, circumference))};
}
