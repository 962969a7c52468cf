// Keeps the rabbit out of the way of fullscreen films, games and slide shows: it leaves
// the topmost band while one holds the foreground on its monitor, and comes back after.
#pragma once

#include <windows.h>

// Follows foreground changes from now on and judges the present foreground at once.
// When the system refuses the hook, the rabbit simply stays on top.
void watchForFullscreen(HWND rabbit);
void stopWatchingForFullscreen();

// Whether the window is a film, game or slide show filling the monitor, a screen rectangle.
bool fillsMonitor(HWND window, const RECT& monitor);

// The rabbit moved (as WM_WINDOWPOSCHANGED tells): on another monitor a different
// window may cover it.
void rabbitMoved(const WINDOWPOS& place);
// The monitors changed: the rabbit's monitor may have another size, or be another one.
void monitorsChanged();
