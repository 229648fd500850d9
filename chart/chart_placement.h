// Where the chart window opens: beside the main window, never over it where the screen has
// room for both.
#pragma once

#include "chart/chart_layout.h"

// The chart's place (its size as given) on the screen's free area: to the right of the main
// window where there is room, else to the left, else below, else as far from it as the
// screen allows; its top level with the main window's where it can be.
ChartBox PlaceBeside(const ChartBox& main, int width, int height, const ChartBox& screen, int gap);
