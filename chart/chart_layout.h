// Where everything of the gear chart stands, worked out without a window: every text and
// mark gets a box of its own, and no text box meets another box. The painter only draws
// what this places; a test checks the boxes.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "chart/cadence_band.h"
#include "chart/chart_model.h"

// What the drawing shows: nothing before the first press of 計算, else a set of gears, with
// a pinned comparison beneath it and each gear's speeds over a cadence band.
struct ChartScene {
    const GearSet* current = nullptr;
    std::optional<DevelopmentLimit> limit;
    const GearSet* comparison = nullptr;
    std::optional<CadenceBand> band;
};

struct ChartBox {
    int x = 0, y = 0, width = 0, height = 0;
    bool Meets(const ChartBox& other) const;
};

// Which colour a thing takes: the theme's text, the marks' colour, or the warning colour;
// muted for the comparison.
enum class ChartInk { Text, Grid, Mark, Warning };

struct ChartText {
    std::string text;  // CP932
    ChartBox box;
    ChartInk ink = ChartInk::Text;
    bool muted = false;
    bool small = false;  // in the marks' smaller type
};

struct ChartMark {
    int x = 0, y = 0, radius = 0;
    ChartInk ink = ChartInk::Mark;
    bool muted = false;
    bool diamond = false;  // a near-duplicate's frame around the mark
    ChartBox Box() const;
};

struct ChartLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ChartInk ink = ChartInk::Grid;
    bool muted = false;
    int width = 1;
    bool dashed = false;
};

struct ChartLayout {
    std::vector<ChartLine> lines;  // drawn first
    std::vector<ChartMark> marks;
    std::vector<ChartText> texts;  // drawn last, each on the background's colour
};

// The type's measures, in pixels.
struct ChartType {
    int line = 0;       // height of a line of the normal type
    int smallLine = 0;  // of the marks' smaller type
    std::function<int(const std::string& text, bool small)> width;
};

// The smallest drawing that shows the usual setups whole, in device-independent pixels.
inline constexpr int kMinChartWidth = 720;
inline constexpr int kMinChartHeight = 640;

ChartLayout LayOutChart(const ChartScene& scene, int width, int height, const ChartType& type);
