#include "chart/chart_placement.h"

#include <tuple>

#include <gtest/gtest.h>

namespace {

TEST(ChartPlacement, BesideTheMainWindowWhichSlidesOnlyWhereThatMakesRoom) {
    const ChartBox screen{0, 0, 1600, 1000};
    const struct {
        ChartBox main;
        int width, height;
        ChartBox chart;
        int mainX, mainY;
    } cases[] = {
        {{0, 0, 700, 500}, 800, 900, {708, 0, 800, 900}, 0, 0},          // right
        {{800, 50, 700, 500}, 790, 900, {2, 50, 790, 900}, 800, 50},     // left
        {{300, 0, 700, 300}, 800, 600, {300, 308, 800, 600}, 300, 0},    // below
        {{0, 600, 700, 500}, 800, 700, {708, 300, 800, 700}, 0, 600},    // kept within the screen's height
        {{399, 308, 801, 384}, 736, 1000, {864, 0, 736, 1000}, 55, 308},  // centred: the main window slides left
        {{500, 308, 801, 384}, 790, 1000, {0, 0, 790, 1000}, 798, 308},   // nearer the right edge: slides right
        {{300, 100, 800, 300}, 900, 600, {300, 400, 900, 600}, 300, 92},   // too wide beside: the main window slides up
        {{300, 400, 700, 500}, 901, 900, {699, 100, 901, 900}, 300, 400},  // nowhere whole: the wider side, on screen
        {{400, 308, 801, 384}, 795, 1000, {0, 0, 795, 1000}, 400, 308},    // side by side only without a gap: stays
    };
    const auto box = [](const ChartBox& b) { return std::tuple(b.x, b.y, b.width, b.height); };
    for (const auto& c : cases) {
        const WindowPlaces placed = PlaceBeside(c.main, c.width, c.height, screen, 8);
        SCOPED_TRACE(testing::Message() << c.main.x << "," << c.main.y << " " << c.width);
        EXPECT_EQ(box(placed.chart), box(c.chart));
        EXPECT_EQ(box(placed.main), box({c.mainX, c.mainY, c.main.width, c.main.height}));
    }
}

}  // namespace
