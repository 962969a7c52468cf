// When the foreground window is a film, game or slide show filling the rabbit's monitor,
// so that the rabbit steps out of its way.
#pragma once

#include "desktop/screen_rect.h"

struct ForegroundWindow {
    ScreenRect frame;
    bool hasCaption;
    // The desktop, its wallpaper and icons, the taskbar.
    bool belongsToShell;
};

// True when the window covers the whole monitor and has no caption. A maximised window
// with a caption reaches past every edge once the taskbar hides itself; it is not
// fullscreen.
bool isFullscreen(const ForegroundWindow& window, const ScreenRect& monitor);
