#include "chart/chart_placement.h"

#include <gtest/gtest.h>

namespace {

TEST(ChartPlacement, RightOfTheMainWindowElseLeftElseBelow) {
    const ChartBox screen{0, 0, 1600, 1000};
    const struct {
        ChartBox main;
        int width, height;
        int x, y;
    } cases[] = {
        {{0, 0, 700, 500}, 800, 900, 708, 0},        // right
        {{102, 50, 700, 500}, 790, 900, 810, 50},    // right, just fits
        {{800, 50, 700, 500}, 790, 900, 2, 50},      // left
        {{300, 0, 700, 300}, 800, 600, 300, 308},    // below
        {{300, 400, 700, 500}, 900, 900, 700, 100},  // nowhere whole: the wider side, on screen
        {{0, 600, 700, 500}, 800, 700, 708, 300},    // kept within the screen's height
    };
    for (const auto& c : cases) {
        const ChartBox placed = PlaceBeside(c.main, c.width, c.height, screen, 8);
        EXPECT_EQ(placed.x, c.x) << c.main.x << "," << c.main.y;
        EXPECT_EQ(placed.y, c.y) << c.main.x << "," << c.main.y;
        EXPECT_EQ(placed.width, c.width);
    }
}

}  // namespace
