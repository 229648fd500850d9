#include "platform/heading_fit.h"

#include <vector>

#include <gtest/gtest.h>

namespace {

struct FitCase {
    const char* what;
    std::vector<double> headings;
    std::vector<double> boxes;
    double scale;
    double shift;
};

TEST(HeadingFit, ScalesAndShiftsTheHeadingsOntoTheirBoxes) {
    const FitCase cases[] = {
        {"too close together, from the label's edge", {10, 20, 30}, {20, 40, 60}, 2, 0},
        {"too close and too far left", {10, 20, 30}, {25, 45, 65}, 2, 5},
        {"too far apart and right", {20, 60, 100}, {10, 30, 50}, 0.5, 0},
        {"uneven: the least squares line", {0, 10, 30}, {0, 20, 40}, 9.0 / 7, 20.0 / 7},
        {"more boxes than headings: the first ones", {10, 20}, {20, 40, 60}, 2, 0},
        {"one heading: only moved", {10}, {25}, 1, 15},
        {"all at one place: only moved", {10, 10}, {20, 40}, 1, 20},
        {"reversed: only moved", {30, 10}, {10, 30}, 1, 0},
        {"nothing", {}, {}, 1, 0},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.what);
        const HeadingFit fit = FitHeadings(c.headings, c.boxes);
        EXPECT_DOUBLE_EQ(fit.scale, c.scale);
        EXPECT_NEAR(fit.shift, c.shift, 1e-12);
    }
}

}  // namespace
