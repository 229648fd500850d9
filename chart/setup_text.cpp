#include "chart/setup_text.h"

#include "calc/gear_figures.h"
#include "calc/speed_table.h"
#include "res/strings.h"

std::string TeethList(std::span<const double> teeth) {
    std::string list;
    for (const double count : teeth) {
        if (!(count > 0)) continue;
        if (!list.empty()) list += '-';
        list += TeethText(count).value_or(kCellOverflow);
    }
    return list;
}

std::string SetupLegend(const ChartSetup& setup) {
    return TeethList(setup.chainrings) + text::kLegendSeparator +
           TeethText(setup.circumference).value_or(kCellOverflow) + text::kLegendMillimetres +
           text::kLegendSeparator + TeethText(setup.cadence).value_or(kCellOverflow) + text::kLegendRpm;
}
