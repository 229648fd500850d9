#include "chart/chart_placement.h"

#include <algorithm>

namespace {

int Clamp(int value, int low, int high) { return std::clamp(value, low, std::max(low, high)); }

}  // namespace

WindowPlaces PlaceBeside(const ChartBox& main, int width, int height, const ChartBox& screen, int gap) {
    const int screenRight = screen.x + screen.width;
    const int screenBottom = screen.y + screen.height;
    const auto beside = [&](const ChartBox& at, int x) {
        return WindowPlaces{at, {x, Clamp(at.y, screen.y, screenBottom - height), width, height}};
    };
    const int right = main.x + main.width + gap;
    if (right + width <= screenRight) return beside(main, right);
    const int left = main.x - gap - width;
    if (left >= screen.x) return beside(main, left);
    const int below = main.y + main.height + gap;
    const int x = Clamp(main.x, screen.x, screenRight - width);
    if (below + height <= screenBottom) return {main, {x, below, width, height}};

    // The main window slides as little as it must; the chart takes the room it leaves.
    if (main.width + gap + width <= screen.width) {
        const int leftward = main.x - (screenRight - width - gap - main.width);
        const int rightward = screen.x + width + gap - main.x;
        ChartBox moved = main;
        if (leftward <= rightward) {
            moved.x -= leftward;
            return beside(moved, moved.x + main.width + gap);
        }
        moved.x += rightward;
        return beside(moved, screen.x);
    }
    if (main.height + gap + height <= screen.height) {
        ChartBox moved = main;
        moved.y = screenBottom - height - gap - main.height;
        return {moved, {x, moved.y + main.height + gap, width, height}};
    }
    // No room anywhere: the side with the most.
    const int roomRight = screenRight - right, roomLeft = main.x - gap - screen.x;
    return beside(main, roomRight >= roomLeft ? Clamp(right, screen.x, screenRight - width) : screen.x);
}
