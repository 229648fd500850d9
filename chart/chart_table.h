// The chart's table as texts: what the window lists, copies and saves.
#pragma once

#include <optional>

#include "chart/cadence_band.h"
#include "chart/chart_model.h"
#include "chart/table_text.h"

// The current set's rows (none before the first press of 計算), then the pinned
// comparison's, each in the chart's order; with a comparison a first column "組" names
// each row's set, and with a cadence band the speeds at its two ends, worked with the row's
// own set's circumference, come next; the row's set's circumference (mm) and cadence (rpm)
// close each row, so that a row read alone still tells how its speeds were worked.
TextTable BuildChartTable(const GearSet* current, const GearSet* comparison,
                          const std::optional<CadenceBand>& band);
