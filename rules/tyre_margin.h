// How large the tyre may be: the largest whole-millimetre circumference with which a gear
// still passes a limit, and the margin to the circumference in use.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "chart/chart_model.h"

struct TyreMargin {
    std::int64_t largest = 0;  // mm
    double margin = 0;         // mm: largest less the circumference in use
};

// For the heaviest gear left after the lock-out; developments rounded as the chart rounds
// them, a gear exactly on the limit passing. Nothing when no circumference passes.
std::optional<TyreMargin> ComputeTyreMargin(const ChartGear& heaviest, double circumference, std::int64_t limit);

// "タイヤ周長の上限 2135 mm (52×14)" and a second line, "使用中の 2105 mm との差 30 mm"
std::string TyreMarginText(const ChartGear& heaviest, const TyreMargin& margin, double circumference);
