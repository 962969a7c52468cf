// Sizes offered and the position that keeps the rabbit's feet in place.
#include "preferences/size_rule.h"

#include "preferences/preferences.h"

namespace {
// Home (500, 300) plus the standing picture's 60 x 88.
constexpr int LEAST_MAIN_WIDTH = 560;
constexpr int LEAST_MAIN_HEIGHT = 388;

// The nearest whole number to numerator / denominator (denominator > 0), a half rounding
// up, on both sides of 0.
int64_t nearest(int64_t numerator, int64_t denominator) {
    const int64_t shifted = 2 * numerator + denominator;
    const int64_t twice = 2 * denominator;
    return shifted / twice - (shifted % twice < 0 ? 1 : 0);
}
} // namespace

bool sizeOffered(int size, int mainWidth, int mainHeight, int dpiFactor) {
    if (size == SMALLEST_SIZE) {
        return true;
    }
    if (size < SMALLEST_SIZE || size > LARGEST_SIZE || dpiFactor < 1) {
        return false;
    }
    const int scale = size * dpiFactor;
    return mainWidth / scale >= LEAST_MAIN_WIDTH && mainHeight / scale >= LEAST_MAIN_HEIGHT;
}

RabbitPoint keepFeet(RabbitPoint at, int32_t width, int32_t height, int oldScale, int newScale) {
    // The feet in half screen pixels, so that the middle of an odd width stays whole.
    const int64_t feetX = (2 * int64_t{at.x} + width) * oldScale;
    const int64_t feetY = (int64_t{at.y} + height) * oldScale;
    const int64_t x = nearest(feetX - int64_t{width} * newScale, 2 * int64_t{newScale});
    const int64_t y = nearest(feetY, newScale) - height;
    return {static_cast<int32_t>(x), static_cast<int32_t>(y)};
}
