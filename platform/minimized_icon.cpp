#include "platform/minimized_icon.h"

IconOrigin MinimizedIconOrigin(int left, int top, int right, int bottom, int cx, int cy) {
    return {(right - left - cx + 1) / 2, (bottom - top - cy + 1) / 2};
}
