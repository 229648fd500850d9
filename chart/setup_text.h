// A chart setup told in a line of text: for the comparison's legend, a saved chart's caption
// and its proposed file name.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "chart/chart_model.h"

// Teeth above 0 as read, joined by "-": "50-34", "11-12-13"; empty when there are none.
std::string TeethList(std::span<const double> teeth);

// "50-34 / 2105 mm / 90 rpm": the chainrings, circumference and cadence of a setup, or of
// a set of gears (the chainrings of its rows).
std::string SetupLegend(const ChartSetup& setup);
std::string SetupLegend(const GearSet& set);

// The name a saved chart is proposed under: "ギアチャート_50-34_10-33.png", the chainrings
// in box order and the smallest to the largest sprocket; a part without teeth is left out,
// and before the first press of 計算 the stem stands alone. Digits, "-", "." and "#" only
// besides the stem, so that Windows and Linux both take the name.
std::string ChartFileName(const ChartSetup* setup, std::string_view extension);
