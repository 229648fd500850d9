// The chart's table as texts: what the window lists, copies and saves.
#pragma once

#include <optional>

#include "chart/cadence_band.h"
#include "chart/chart_model.h"
#include "chart/table_text.h"

// A set of gears with the circumference its band speeds are worked with.
struct TableSet {
    const GearSet* gears = nullptr;  // nothing before the first press of 計算
    double circumference = 0;        // mm
};

// The current set's rows, then the pinned comparison's, each in the chart's order; with a
// comparison a first column "組" names each row's set, and with a cadence band the speeds
// at its two ends come last.
TextTable BuildChartTable(const TableSet& current, const std::optional<TableSet>& comparison,
                          const std::optional<CadenceBand>& band);
