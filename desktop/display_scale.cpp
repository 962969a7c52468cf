// Whole-factor display scaling between rabbit pixels and screen pixels.
#include "desktop/display_scale.h"

int scaleForDpi(int dpi) {
    const int scale = (dpi + BASE_DPI / 2) / BASE_DPI;
    return scale < 1 ? 1 : scale;
}

int rabbitPixelsOf(int screenPixels, int scale) {
    return rabbitPixelsDown(screenPixels + scale / 2, scale);
}

int rabbitPixelsDown(int screenPixels, int scale) {
    // Division truncates toward zero; the grid needs the floor on both sides of 0.
    return screenPixels / scale - (screenPixels % scale < 0 ? 1 : 0);
}
