#include "settings/chart_settings.h"

#include <gtest/gtest.h>

namespace {

TEST(ChartSettings, AnyDamagedLineLosesTheWholeFile) {
    const char* damaged[] = {
        "limit",                      // no "="
        "limit=",                     // no choice
        "limit=1234",                 // no choice's limit
        "limit=-1",                   // the typed choice's number is no name for it
        "limit=0",
        "limit=7930x",
        "typed_limit=100001",         // above 100 m
        "typed_limit=7.93",
        "typed_limit=6543\r",        // text mode reading takes away a CR before a line feed
        "band=90",                    // one end
        "band=100 90",                // the low end above the high one
        "band=0 90",
        "band=80  100",               // an empty field
        "band=a 90",
        "window=1 2 3",               // a number short
        "window=1 2 5 -1",            // no height
        "window=1 2 3 4 5",
        "window=99999999999 2 3 4",   // beyond an int
        "limit=7930\nwindow=1 2 3",   // good lines do not save a bad one
    };
    for (const char* text : damaged) EXPECT_FALSE(ParseChartSettings(text).has_value()) << text;
}

struct PlaceCase {
    const char* what;
    WindowPlace remembered;
    WindowPlace box;
    bool placed;
};

TEST(ChartSettings, ThePlaceIsTakenWhereTheScreenStillHasRoomForIt) {
    const WindowPlace screen{0, 30, 1280, 994};  // a panel above
    const int leastWidth = 600;
    const int leastHeight = 400;
    const PlaceCase cases[] = {
        {"within", {100, 100, 800, 600}, {100, 100, 800, 600}, true},
        {"touching every edge", {0, 30, 1280, 994}, {0, 30, 1280, 994}, true},
        {"over the panel", {100, 29, 800, 600}, {100, 29, 800, 600}, false},
        {"past the right edge", {481, 100, 800, 600}, {481, 100, 800, 600}, false},
        {"past the bottom", {100, 425, 800, 600}, {100, 425, 800, 600}, false},
        {"left of the screen", {-1, 100, 800, 600}, {-1, 100, 800, 600}, false},
        {"larger than the screen: as large as it", {0, 30, 2000, 1500}, {0, 30, 1280, 994}, true},
        {"below the least size: the least", {10, 40, 100, 50}, {10, 40, 600, 400}, true},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.what);
        const RestoredPlace restored = RestorePlace(c.remembered, leastWidth, leastHeight, screen);
        EXPECT_EQ(restored.box, c.box);
        EXPECT_EQ(restored.placed, c.placed);
    }
    // A screen smaller than the least size: the screen's.
    EXPECT_EQ(RestorePlace({0, 0, 100, 100}, 800, 800, {0, 0, 640, 480}).box, (WindowPlace{0, 0, 640, 480}));
}

}  // namespace
