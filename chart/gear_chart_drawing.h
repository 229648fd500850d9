// Drawing the gear chart onto any device context: on screen, and into a bitmap or file.
// Where things stand is the layout's (chart/chart_layout.h); this only paints it.
#pragma once

#include "chart/chart_layout.h"

class wxColour;
class wxDC;
class wxSize;

void DrawGearChart(wxDC& dc, const wxSize& size, const ChartScene& scene);

// The colour of what goes beyond the limit, and of warnings, in the light or dark theme.
wxColour ChartWarningColour();
