#include "rules/tyre_margin.h"

#include <cmath>

#include "calc/gear_figures.h"
#include "chart/development_limits.h"
#include "res/strings.h"

namespace {

constexpr double kHalfMillimetre = 0.5;

bool Passes(const ChartGear& gear, double circumference, std::int64_t limit) {
    const std::optional<std::int64_t> mm = MillimetresOf(MeasureGear(gear.chainring, gear.sprocket, circumference).development);
    return mm && *mm <= limit;
}

}  // namespace

std::optional<TyreMargin> ComputeTyreMargin(const ChartGear& heaviest, double circumference, std::int64_t limit) {
    // Just above the largest that rounds onto the limit, then down past rounding's doubt.
    auto largest = static_cast<std::int64_t>(
        std::floor((static_cast<double>(limit) + kHalfMillimetre) * heaviest.sprocket / heaviest.chainring) + 1);
    while (largest > 0 && !Passes(heaviest, static_cast<double>(largest), limit)) --largest;
    if (largest <= 0) return std::nullopt;
    return TyreMargin{largest, static_cast<double>(largest) - circumference};
}

std::string TyreMarginText(const ChartGear& heaviest, const TyreMargin& margin, double circumference) {
    return text::kTyreBefore + std::to_string(margin.largest) + text::kTyreGear + heaviest.cells[kGearColumn] +
           text::kTyreInUse + TeethText(circumference).value_or(std::string()) + text::kTyreMargin +
           TeethText(margin.margin).value_or(std::string()) + text::kTyreAfter;
}
