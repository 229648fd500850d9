#include "platform/minimized_icon.h"

#include <gtest/gtest.h>

namespace {

TEST(MinimizedIconOrigin, CentresAndTruncatesTowardsZero) {
    struct Case {
        int left, top, right, bottom, cx, cy, x, y;
    };
    const Case cases[] = {
        {0, 0, 36, 36, 32, 32, 2, 2},
        {0, 0, 0, 0, 32, 32, -15, -15},  // flooring would give -16
        {0, 0, 33, 34, 32, 32, 1, 1},
        {10, 20, 46, 52, 32, 32, 2, 0},
    };
    for (const Case& c : cases) {
        const IconOrigin at = MinimizedIconOrigin(c.left, c.top, c.right, c.bottom, c.cx, c.cy);
        EXPECT_EQ(at.x, c.x);
        EXPECT_EQ(at.y, c.y);
    }
}

}  // namespace
