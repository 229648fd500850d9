// Drawing the gear chart onto any device context: on screen, and into a bitmap or file.
#pragma once

#include <optional>

#include "chart/cadence_band.h"
#include "chart/chart_model.h"

class wxColour;
class wxDC;
class wxSize;

// What the drawing shows: nothing before the first press of 計算, else a set of gears, with
// a pinned comparison beneath it and each gear's speeds over a cadence band.
struct ChartScene {
    const GearSet* current = nullptr;
    std::optional<DevelopmentLimit> limit;
    const GearSet* comparison = nullptr;
    std::optional<CadenceBand> band;
};

void DrawGearChart(wxDC& dc, const wxSize& size, const ChartScene& scene);

// The colour of what goes beyond the limit, and of warnings, in the light or dark theme.
wxColour ChartWarningColour();
