#include "chart/chart_table.h"

#include "res/strings.h"

namespace {

constexpr const char* kColumnTitles[kChartColumns] = {
    text::kColumnGear,  text::kColumnRatio, text::kColumnDevelopment, text::kColumnInches,
    text::kColumnSpeed, text::kColumnStep,  text::kColumnNearGear,    text::kColumnLimit,
};

void AppendRows(TextTable& table, const TableSet& set, const char* setName,
                const std::optional<CadenceBand>& band) {
    if (!set.gears) return;
    for (const ChartGear& gear : set.gears->gears) {
        std::vector<std::string>& row = table.rows.emplace_back();
        if (setName) row.emplace_back(setName);
        row.insert(row.end(), gear.cells.begin(), gear.cells.end());
        if (!band) continue;
        BandSpeeds speeds = ComputeBandSpeeds(gear.chainring, gear.sprocket, set.circumference, *band);
        row.push_back(std::move(speeds.low));
        row.push_back(std::move(speeds.high));
    }
}

}  // namespace

TextTable BuildChartTable(const TableSet& current, const std::optional<TableSet>& comparison,
                          const std::optional<CadenceBand>& band) {
    TextTable table;
    if (comparison) table.header.emplace_back(text::kColumnSet);
    table.header.insert(table.header.end(), std::begin(kColumnTitles), std::end(kColumnTitles));
    if (band) {
        table.header.emplace_back(text::kColumnBandLow);
        table.header.emplace_back(text::kColumnBandHigh);
    }
    AppendRows(table, current, comparison ? text::kSetCurrent : nullptr, band);
    if (comparison) AppendRows(table, *comparison, text::kSetComparison, band);
    return table;
}
