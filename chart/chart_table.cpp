#include "chart/chart_table.h"

#include "calc/gear_figures.h"
#include "calc/speed_table.h"
#include "res/strings.h"

namespace {

void AppendRows(TextTable& table, const GearSet* set, const char* setName,
                const std::optional<CadenceBand>& band) {
    if (!set) return;
    for (const ChartGear& gear : set->gears) {
        std::vector<std::string>& row = table.rows.emplace_back();
        if (setName) row.emplace_back(setName);
        row.insert(row.end(), gear.cells.begin(), gear.cells.end());
        if (band) {
            BandSpeeds speeds = ComputeBandSpeeds(gear.chainring, gear.sprocket, set->circumference, *band);
            row.push_back(std::move(speeds.low));
            row.push_back(std::move(speeds.high));
        }
        row.push_back(TeethText(set->circumference).value_or(kCellOverflow));
        row.push_back(TeethText(set->cadence).value_or(kCellOverflow));
    }
}

}  // namespace

TextTable BuildChartTable(const GearSet* current, const GearSet* comparison,
                          const std::optional<CadenceBand>& band) {
    TextTable table;
    if (comparison) table.header.emplace_back(text::kColumnSet);
    table.header.insert(table.header.end(), std::begin(kChartColumnTitles), std::end(kChartColumnTitles));
    if (band) {
        table.header.emplace_back(text::kColumnBandLow);
        table.header.emplace_back(text::kColumnBandHigh);
    }
    table.header.emplace_back(text::kColumnCircumference);
    table.header.emplace_back(text::kColumnCadence);
    AppendRows(table, current, comparison ? text::kSetCurrent : nullptr, band);
    AppendRows(table, comparison, text::kSetComparison, band);
    return table;
}
