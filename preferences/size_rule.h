// Which sizes the rabbit may take on a screen, and where it stands after a change.
#pragma once

#include <cstdint>

struct RabbitPoint {
    int32_t x;
    int32_t y;
};

// A larger size is offered where the main monitor, in that size's rabbit pixels, still
// holds the standing rabbit whole at its home: mainWidth x mainHeight are screen pixels,
// dpiFactor the display's whole factor. The smallest is always offered: it is the one
// every other gives way to.
bool sizeOffered(int size, int mainWidth, int mainHeight, int dpiFactor);

// The top-left corner, in rabbit pixels of newScale screen pixels each, that keeps the
// middle of the bottom edge of a picture of width x height rabbit pixels, standing at
// `at` in rabbit pixels of oldScale screen pixels each, where it was on the screen, as
// near as the new grid allows.
RabbitPoint keepFeet(RabbitPoint at, int32_t width, int32_t height, int oldScale, int newScale);
