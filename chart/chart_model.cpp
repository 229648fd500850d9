#include "chart/chart_model.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "calc/gear_figures.h"
#include "calc/number_text.h"
#include "calc/speed_table.h"

namespace {

// Gears of other chainrings within this share of a gear's development are near-duplicates.
constexpr double kNearPercent = 3;
constexpr double kPercent = 100;

std::optional<std::string> Fixed(double value, int decimals) {
    return FormatFixed(value, decimals, kCellTextMax);
}

// The gear's figures, or nothing when one of them has no finite text in its room or the
// development cannot stand on a logarithmic axis.
std::optional<ChartGear> MakeGear(double chainring, double sprocket, const GearSet& set) {
    const GearMeasures m = MeasureGear(chainring, sprocket, set.circumference);
    const auto name = GearText(chainring, sprocket);
    const auto ratio = Fixed(m.ratio, 2);
    const auto development = Fixed(m.development, 3);
    const auto inches = Fixed(m.inches, 1);
    const auto mm = MillimetresOf(m.development);
    if (!name || !ratio || !development || !inches || !mm || !(m.development > 0)) return std::nullopt;
    ChartGear gear;
    gear.chainring = chainring;
    gear.sprocket = sprocket;
    gear.development = m.development;
    gear.millimetres = *mm;
    gear.cells[kGearColumn] = *name;
    gear.cells[kRatioColumn] = *ratio;
    gear.cells[kDevelopmentColumn] = *development;
    gear.cells[kInchesColumn] = *inches;
    gear.cells[kSpeedColumn] = SpeedText(GearSpeed(chainring, set.cadence, sprocket, set.circumference));
    return gear;
}

void SetSteps(GearSet& set) {
    for (const ChartRow& row : set.rows)
        for (std::size_t i = 1; i < row.gears.size(); ++i) {
            ChartGear& gear = set.gears[row.gears[i]];
            const double step =
                (gear.development / set.gears[row.gears[i - 1]].development - 1) * kPercent;
            gear.step = step;
            gear.cells[kStepColumn] = Fixed(step, 1).value_or(kCellOverflow);
        }
}

void SetNearGears(GearSet& set) {
    auto& gears = set.gears;
    for (ChartGear& gear : gears) {
        std::optional<std::size_t> best;
        for (std::size_t j = 0; j < gears.size(); ++j) {
            const ChartGear& other = gears[j];
            if (other.row == gear.row) continue;
            const double distance = std::abs(other.development - gear.development);
            if (distance * kPercent > gear.development * kNearPercent) continue;
            if (best) {
                const ChartGear& held = gears[*best];
                const double heldDistance = std::abs(held.development - gear.development);
                if (std::tie(distance, other.chainring, other.column) >=
                    std::tie(heldDistance, held.chainring, held.column))
                    continue;
            }
            best = j;
        }
        gear.nearest = best;
        if (best) gear.cells[kNearColumn] = gears[*best].cells[kGearColumn];
    }
}

}  // namespace

GearSet BuildGearSet(const ChartSetup& setup, const std::optional<DevelopmentLimit>& limit) {
    GearSet set;
    set.circumference = setup.circumference;
    set.cadence = setup.cadence;
    set.longerEntrySetAside = setup.longerEntrySetAside;
    const std::vector<double>& sprockets = setup.sprockets;
    for (const double chainring : setup.chainrings) {
        const auto teeth = TeethText(chainring);
        if (!(chainring > 0)) continue;
        // A chainring without text has no gear with text either: all of its gears are left out.
        if (teeth) set.rows.push_back({chainring, *teeth + text::kChainringSuffix, {}});
        for (std::size_t c = 0; c < sprockets.size(); ++c) {
            if (!(sprockets[c] > 0)) continue;
            std::optional<ChartGear> gear = MakeGear(chainring, sprockets[c], set);
            if (!gear) {
                ++set.leftOut;
                continue;
            }
            gear->row = set.rows.size() - 1;
            gear->column = c;
            set.gears.push_back(std::move(*gear));
        }
    }
    std::stable_sort(set.gears.begin(), set.gears.end(),
                     [](const ChartGear& a, const ChartGear& b) { return a.development < b.development; });
    for (std::size_t i = 0; i < set.gears.size(); ++i) set.rows[set.gears[i].row].gears.push_back(i);
    SetSteps(set);
    SetNearGears(set);
    if (limit)
        for (ChartGear& gear : set.gears) {
            gear.overLimit = gear.millimetres > limit->millimetres;
            if (gear.overLimit) gear.cells[kLimitColumn] = text::kOverLimit;
        }
    return set;
}

std::string LimitSummary(const GearSet& set, const std::optional<DevelopmentLimit>& limit) {
    if (!limit) return {};
    const ChartGear* heaviest = nullptr;
    for (const ChartGear& gear : set.gears)
        if (!gear.overLimit) heaviest = &gear;
    if (!heaviest) return text::kLimitSummaryNone;
    return text::kLimitSummaryBefore + heaviest->cells[kGearColumn] + text::kLimitSummaryDevelopment +
           heaviest->cells[kDevelopmentColumn] + text::kLimitSummaryMargin +
           MetresText(limit->millimetres - heaviest->millimetres) + text::kLimitSummaryAfter;
}

std::string ChartNote(const GearSet& set) {
    std::string note;
    if (set.leftOut > 0) note = text::kChartLeftOutBefore + std::to_string(set.leftOut) + text::kChartLeftOutAfter;
    if (set.longerEntrySetAside) note += text::kChartSprocketsSetAside;
    return note;
}
