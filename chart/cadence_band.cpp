#include "chart/cadence_band.h"

#include "calc/number_text.h"
#include "calc/speed_table.h"
#include "res/strings.h"
#include "util/white_space.h"

BandReading ReadCadenceBand(std::string_view lowText, std::string_view highText) {
    const bool lowEmpty = TrimWhiteSpace(lowText).empty();
    const bool highEmpty = TrimWhiteSpace(highText).empty();
    if (lowEmpty && highEmpty) return {};
    if (lowEmpty || highEmpty) return {std::nullopt, text::kBandNeedsBoth};
    const std::optional<double> low = ReadWholeNumber(lowText);
    const std::optional<double> high = ReadWholeNumber(highText);
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
