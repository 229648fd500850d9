// What a saved chart says about itself in words: the caption beneath the picture, the SVG's
// description, and its title.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chart/chart_model.h"

// The caption's lines (CP932): the setup's chainrings, every sprocket, tyre circumference
// and cadence; the limit in force ("制限なし" without one) and, with one, its summary line;
// with a pinned comparison, a line of its own chainrings, sprockets, tyre and cadence.
std::vector<std::string> ChartCaption(const ChartSetup& setup, const GearSet& gears,
                                      const std::optional<DevelopmentLimit>& limit,
                                      const ChartSetup* comparison);

// "Velmor ギアチャート 50-34 / 2105 mm / 90 rpm"; the window's title alone before the first
// press of 計算.
std::string ChartTitle(const ChartSetup* setup);
