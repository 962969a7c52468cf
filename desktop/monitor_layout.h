// The monitors as the rabbit walks them: the row of monitors side by side and the
// column of monitors one above another that its own monitor belongs to.
#pragma once

#include <cstdint>

#include "desktop/screen_rect.h"

// Outer edges, in rabbit pixels, of the row and the column the rabbit walks in.
struct WalkBounds {
    int32_t rowLeft;
    int32_t rowRight;
    int32_t colTop;
    int32_t colBottom;
};

// The rabbit's monitor is the one that holds its top-left corner (x, y), or the nearest
// one when it hangs off an outer edge. Its row adds the monitors whose left or right edge
// meets the row's and whose height holds y, on and on outwards; its column those whose
// top or bottom edge meets the column's and whose width holds x. Until the shell has
// read the monitors, the main screen of screenWidth x screenHeight is the only one.
WalkBounds walkBoundsAt(int32_t x, int32_t y);

// Whether some monitor shows a part of the area (rabbit pixels).
bool onAnyMonitor(const ScreenRect& area);
