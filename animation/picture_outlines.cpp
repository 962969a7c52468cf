// The pictures' outline bounds, one per sprite.
#include "animation/picture_outlines.h"

#include <algorithm>
#include <array>

#include "animation/sprite_ids.h"

namespace {
constexpr RegionRect STANDING_BOUNDS = {0, 0, STANDING_WIDTH, STANDING_HEIGHT};

std::array<RegionRect, SPRITE_COUNT> makeBounds() {
    std::array<RegionRect, SPRITE_COUNT> all;
    all.fill(STANDING_BOUNDS);
    return all;
}

std::array<RegionRect, SPRITE_COUNT> bounds = makeBounds();

bool isSprite(int bitmapId) {
    return bitmapId >= FIRST_SPRITE_ID && bitmapId <= LAST_SPRITE_ID;
}
} // namespace

void recordOutline(int bitmapId, const std::vector<RegionRect>& rects, int width, int height) {
    if (!isSprite(bitmapId)) {
        return;
    }
    RegionRect outline = {width, height, 0, 0};
    for (const RegionRect& rect : rects) {
        // The scan's empty rectangles mark lone pixels that the outline leaves out.
        if (rect.left < rect.right) {
            outline = {std::min(outline.left, rect.left), std::min(outline.top, rect.top),
                       std::max(outline.right, rect.right), std::max(outline.bottom, rect.bottom)};
        }
    }
    if (outline.left >= outline.right) {
        outline = {0, 0, width, height};
    }
    bounds[static_cast<std::size_t>(bitmapId - FIRST_SPRITE_ID)] = outline;
}

RegionRect outlineBounds(int bitmapId) {
    return isSprite(bitmapId) ? bounds[static_cast<std::size_t>(bitmapId - FIRST_SPRITE_ID)]
                              : STANDING_BOUNDS;
}
