#include "chart/chart_placement.h"

#include <algorithm>

namespace {

int Clamp(int value, int low, int high) { return std::clamp(value, low, std::max(low, high)); }

}  // namespace

ChartBox PlaceBeside(const ChartBox& main, int width, int height, const ChartBox& screen, int gap) {
    const int screenRight = screen.x + screen.width;
    const int screenBottom = screen.y + screen.height;
    const int top = Clamp(main.y, screen.y, screenBottom - height);
    const int right = main.x + main.width + gap;
    if (right + width <= screenRight) return {right, top, width, height};
    const int left = main.x - gap - width;
    if (left >= screen.x) return {left, top, width, height};
    const int below = main.y + main.height + gap;
    const int x = Clamp(main.x, screen.x, screenRight - width);
    if (below + height <= screenBottom) return {x, below, width, height};
    // No side has room: the side with the most.
    const int roomRight = screenRight - right, roomLeft = main.x - gap - screen.x;
    return {roomRight >= roomLeft ? Clamp(right, screen.x, screenRight - width) : screen.x, top, width, height};
}
