#include "chart/chart_axis.h"

#include <array>
#include <cmath>
#include <initializer_list>

#include "calc/gear_figures.h"
#include "calc/units.h"

namespace {

// The axis reaches this factor beyond the lightest and heaviest development; further
// for a single development, which would otherwise have no span.
constexpr double kMargin = 1.06;
constexpr double kSingleMargin = 1.5;

// Round values within each decade, from the densest set to the sparsest.
const std::array<std::initializer_list<double>, 5> kTickSets = {{
    {1, 1.2, 1.5, 2, 2.5, 3, 4, 5, 6, 7, 8, 9},
    {1, 1.5, 2, 3, 4, 5, 6, 7, 8},
    {1, 2, 3, 4, 5, 6, 8},
    {1, 2, 5},
    {1},
}};

}  // namespace

void ChartAxis::Include(double development) {
    if (IsEmpty() || development < lightest_) lightest_ = development;
    if (development > heaviest_) heaviest_ = development;
}

double ChartAxis::Low() const { return lightest_ / (lightest_ == heaviest_ ? kSingleMargin : kMargin); }
double ChartAxis::High() const { return heaviest_ * (lightest_ == heaviest_ ? kSingleMargin : kMargin); }

double ChartAxis::Position(double development) const {
    return std::log(development / Low()) / std::log(High() / Low());
}

std::vector<ChartTick> ChartAxis::Ticks(double factor, int maxCount) const {
    const double low = Low() * factor;
    const double high = High() * factor;
    if (!(low > 0) || !std::isfinite(high)) return {};
    std::vector<ChartTick> ticks;
    for (const auto& set : kTickSets) {
        ticks.clear();
        for (double decade = std::pow(10, std::floor(std::log10(low))); decade <= high; decade *= 10)
            for (const double mantissa : set) {
                const double value = mantissa * decade;
                if (value < low || value > high) continue;
                ticks.push_back({Position(value / factor), TeethText(value).value_or("")});
            }
        if (static_cast<int>(ticks.size()) <= maxCount) break;
    }
    return ticks;
}

std::vector<ChartTick> ChartAxis::DevelopmentTicks(int maxCount) const { return Ticks(1, maxCount); }

std::vector<ChartTick> ChartAxis::SpeedTicks(double cadence, int maxCount) const {
    return Ticks(SpeedAt(1, cadence), maxCount);
}
