// The monitors as the rabbit walks them: the row of monitors side by side and the column
// of monitors one above another that run through the rabbit's own monitor.
#pragma once

#include <cstdint>

#include "desktop/screen_rect.h"

// A row's left and right ends, or a column's top and bottom, in rabbit pixels; the end
// lies just past the line.
struct WalkLine {
    int32_t start;
    int32_t end;
};

// The rabbit walks the row and the column of its own monitor. That is, of the monitors
// that show part of the rabbit's rectangle `rabbit`, the one holding its top-left corner,
// else the one it hangs off the left or top edge of: the one whose top lies nearest below
// the rabbit's top, then whose left edge lies nearest right of the rabbit's. The row is
// that monitor and, on and on outwards, every monitor joined at a left or right end that
// holds the pixel row where the rabbit meets its monitor (the rabbit's top row, or the
// monitor's when the rabbit hangs above it); the column likewise, along the rabbit's left
// edge. A rabbit no monitor shows walks the main monitor's lines. Until the shell has read
// the monitors, the main screen of screenWidth x screenHeight is the only one.
WalkLine walkRowOf(const ScreenRect& rabbit);
WalkLine walkColumnOf(const ScreenRect& rabbit);

// Whether some monitor shows a part of the area (rabbit pixels).
bool onAnyMonitor(const ScreenRect& area);
