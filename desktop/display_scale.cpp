// Whole-factor display scaling between rabbit pixels and screen pixels.
#include "desktop/display_scale.h"

int scaleForDpi(int dpi) {
    const int scale = (dpi + BASE_DPI / 2) / BASE_DPI;
    return scale < 1 ? 1 : scale;
}

int rabbitPixelsOf(int screenPixels, int scale) {
    const int shifted = screenPixels + scale / 2;
    // Division truncates toward zero; the grid needs the floor on both sides of 0.
    return shifted / scale - (shifted % scale < 0 ? 1 : 0);
}
