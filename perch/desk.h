// What the rabbit may stand on while it walks on windows: the monitors' work areas and the
// other programs' windows, as the shell last read them, in rabbit pixels.
#pragma once

#include <cstdint>
#include <vector>

#include "desktop/screen_rect.h"

struct DeskMonitor {
    ScreenRect area;
    // The monitor without the taskbar and other docked bars.
    ScreenRect work;
};

struct DeskWindow {
    // The same window keeps its id from one reading to the next.
    uint64_t id;
    // Its visible frame.
    ScreenRect frame;
    // False for a maximised or fullscreen window: it still covers what lies behind it.
    bool offersLedge;
};

struct Desk {
    // The main monitor first.
    std::vector<DeskMonitor> monitors;
    // Front to back, as the z-order has them.
    std::vector<DeskWindow> windows;
};
