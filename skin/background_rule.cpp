// The background rule of a set's pictures, applied to their decoded pixels.
#include "skin/background_rule.h"

#include <algorithm>

namespace {
constexpr uint32_t COLOUR_BITS = 0x00FFFFFF;
constexpr uint32_t HALF_OPAQUE = 128;

bool seeThrough(uint32_t pixel) {
    return pixel >> 24 < HALF_OPAQUE;
}

// The first colour from pure green on that none of `used` (sorted) has.
uint32_t freeColour(const std::vector<uint32_t>& used) {
    uint32_t colour = PURE_GREEN;
    while (std::binary_search(used.begin(), used.end(), colour)) {
        colour = (colour + 1) & COLOUR_BITS;
    }
    return colour;
}
} // namespace

std::vector<uint32_t> keyedPixels(const std::vector<uint32_t>& decoded) {
    if (decoded.empty()) {
        return {};
    }
    const uint32_t corner = decoded.front();
    // A see-through corner makes only the see-through pixels background: its colour is
    // usually black, which an opaque outline must keep.
    const auto isBackground = [corner](uint32_t pixel) {
        return seeThrough(pixel) || (!seeThrough(corner) && ((pixel ^ corner) & COLOUR_BITS) == 0);
    };
    std::vector<uint32_t> rabbit;
    for (uint32_t pixel : decoded) {
        if (!isBackground(pixel)) {
            rabbit.push_back(pixel & COLOUR_BITS);
        }
    }
    std::sort(rabbit.begin(), rabbit.end());
    const uint32_t key = seeThrough(corner) ? freeColour(rabbit) : corner & COLOUR_BITS;
    std::vector<uint32_t> keyed;
    keyed.reserve(decoded.size());
    for (uint32_t pixel : decoded) {
        keyed.push_back(isBackground(pixel) ? key : pixel & COLOUR_BITS);
    }
    return keyed;
}
