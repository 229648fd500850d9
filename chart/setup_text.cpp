#include "chart/setup_text.h"

#include <algorithm>
#include <iterator>

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

namespace {

std::string Legend(std::span<const double> chainrings, double circumference, double cadence) {
    return TeethList(chainrings) + text::kLegendSeparator + TeethText(circumference).value_or(kCellOverflow) +
           text::kLegendMillimetres + text::kLegendSeparator + TeethText(cadence).value_or(kCellOverflow) +
           text::kLegendRpm;
}

}  // namespace

std::string SetupLegend(const ChartSetup& setup) {
    return Legend(setup.chainrings, setup.circumference, setup.cadence);
}

std::string SetupLegend(const GearSet& set) {
    std::vector<double> chainrings;
    for (const ChartRow& row : set.rows) chainrings.push_back(row.chainring);
    return Legend(chainrings, set.circumference, set.cadence);
}

std::string ChartFileName(const ChartSetup* setup, std::string_view extension) {
    std::string name = text::kChartFileNameStem;
    const auto addPart = [&name](const std::string& part) {
        if (!part.empty()) name += '_' + part;
    };
    if (setup) {
        addPart(TeethList(setup->chainrings));
        std::vector<double> sprockets;
        std::copy_if(setup->sprockets.begin(), setup->sprockets.end(), std::back_inserter(sprockets),
                     [](double teeth) { return teeth > 0; });
        if (!sprockets.empty()) {
            const auto [lightest, heaviest] = std::minmax_element(sprockets.begin(), sprockets.end());
            const std::vector<double> span =
                *lightest == *heaviest ? std::vector<double>{*lightest} : std::vector<double>{*lightest, *heaviest};
            addPart(TeethList(span));
        }
    }
    return name + '.' + std::string(extension);
}
