// Drawing the gear chart onto any device context: on screen, and into a bitmap or file.
#pragma once

#include <optional>

#include "chart/chart_model.h"

class wxColour;
class wxDC;
class wxSize;

// What the drawing shows: nothing before the first press of 計算, else a set of gears.
struct ChartScene {
    const GearSet* current = nullptr;
    std::optional<DevelopmentLimit> limit;
};

void DrawGearChart(wxDC& dc, const wxSize& size, const ChartScene& scene);

// The colour of what goes beyond the limit, and of warnings, in the light or dark theme.
wxColour ChartWarningColour();
