// The row scan behind the rabbit's window shape.
#include "animation/region_scan.h"

std::vector<RegionRect> scanRegionRows(const std::vector<uint32_t>& pixels, int width, int height) {
    std::vector<RegionRect> rects;
    // A buffer too small for the picture is refused rather than read past its end.
    if (width <= 0 || height <= 0 ||
        pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return rects;
    }
    const uint32_t keyColour = pixels[0];
    for (int y = 0; y < height; ++y) {
        const uint32_t* row = &pixels[static_cast<std::size_t>(y) * width];
        int runStart = -1;
        for (int x = 0; x < width; ++x) {
            const bool opaque = row[x] != keyColour;
            if (opaque && runStart < 0) {
                runStart = x;
            } else if (!opaque && runStart >= 0) {
                // A run closed by a transparent pixel gives up its last pixel, so a lone
                // pixel yields an empty rectangle; it is kept to leave the list in scan order.
                rects.push_back({runStart, y, x - 1, y + 1});
                runStart = -1;
            }
        }
        if (runStart >= 0) {
            rects.push_back({runStart, y, width, y + 1});
        }
    }
    return rects;
}
