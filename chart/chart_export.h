// The chart as saved to a picture file: drawn at a size of its own, whatever the window's,
// with the caption that tells its setup beneath it.
#pragma once

#include <string>
#include <vector>

#include "chart/chart_file.h"
#include "chart/chart_layout.h"

class wxFont;

// The saved picture's width at least, and its drawing's height, in pixels: room for every
// label of the usual setups at the normal type's size.
inline constexpr int kExportWidth = 1200;
inline constexpr int kExportChartHeight = 800;

// The scene (whose sets must outlive the content) drawn kExportWidth wide, or as wide as
// the longest caption line needs, kExportChartHeight high, with the caption's lines
// (CP932) below in the font given; the caption is also the SVG's description. The table
// is left empty: a picture has none.
ChartContent ExportedChart(const ChartScene& scene, const wxFont& font, std::string title,
                           std::vector<std::string> caption);
