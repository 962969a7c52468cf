// The row scan that turns a colour-keyed picture into the rectangles of its outline.
#pragma once

#include <cstdint>
#include <vector>

// Right and bottom edges are outside the rectangle, as the platform's regions have them.
struct RegionRect {
    int left;
    int top;
    int right;
    int bottom;
};

// pixels holds width * height colour values row by row from the top; the colour of
// the top-left pixel is the transparent key. Returns the rectangles in scan order.
std::vector<RegionRect> scanRegionRows(const std::vector<uint32_t>& pixels, int width, int height);
