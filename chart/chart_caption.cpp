#include "chart/chart_caption.h"

#include "calc/gear_figures.h"
#include "calc/speed_table.h"
#include "chart/setup_text.h"
#include "res/strings.h"

namespace {

std::string Number(double value) { return TeethText(value).value_or(kCellOverflow); }

// The setup's four facts, each with its label.
std::vector<std::string> SetupFacts(const ChartSetup& setup) {
    return {text::kCaptionChainrings + TeethList(setup.chainrings),
            text::kCaptionSprockets + TeethList(setup.sprockets),
            text::kCaptionTyre + Number(setup.circumference) + text::kLegendMillimetres,
            text::kCaptionCadence + Number(setup.cadence) + text::kLegendRpm};
}

}  // namespace

std::vector<std::string> ChartCaption(const ChartSetup& setup, const GearSet& gears,
                                      const std::optional<DevelopmentLimit>& limit,
                                      const ChartSetup* comparison) {
    std::vector<std::string> lines = SetupFacts(setup);
    lines.push_back(text::kCaptionLimit + (limit ? limit->name : std::string(text::kLimitNone)));
    if (limit) lines.push_back(LimitSummary(gears, limit));
    if (comparison) {
        std::string line = text::kCaptionComparison;
        const std::vector<std::string> facts = SetupFacts(*comparison);
        for (std::size_t i = 0; i < facts.size(); ++i) line += (i ? text::kLegendSeparator : "") + facts[i];
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string ChartTitle(const ChartSetup* setup) {
    std::string title = text::kGearChartTitle;
    if (setup) title += ' ' + SetupLegend(*setup);
    return title;
}
