// Where the chart window opens: beside the main window, never over it where the screen has
// room for both.
#pragma once

#include "chart/chart_layout.h"

struct WindowPlaces {
    ChartBox main;   // the main window, moved only when that makes room beside it
    ChartBox chart;
};

// The chart's place (its size as given) on the screen's free area: to the right of the main
// window where there is room, else to the left, else below; where no side has room but the
// two fit side by side (or one above the other) on the screen, the main window slides as
// little as it must. Else the chart goes to the side with the most room, on screen. Its top
// is level with the main window's where it can be.
WindowPlaces PlaceBeside(const ChartBox& main, int width, int height, const ChartBox& screen, int gap);
