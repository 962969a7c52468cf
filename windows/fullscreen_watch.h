// Keeps the rabbit out of the way of fullscreen films, games and slide shows: it leaves
// the topmost band while one holds the foreground on its monitor, and comes back after.
#pragma once

#include <windows.h>

// Follows foreground changes from now on and judges the present foreground at once.
// When the system refuses the hook, the rabbit simply stays on top.
void watchForFullscreen(HWND rabbit);
void stopWatchingForFullscreen();

// The desktop, its wallpaper and icons, the taskbar: windows that cover monitors without a
// caption and are no film.
bool belongsToShell(HWND window);

// The rabbit moved (as WM_WINDOWPOSCHANGED tells): on another monitor a different
// window may cover it.
void rabbitMoved(const WINDOWPOS& place);
// The monitors changed: the rabbit's monitor may have another size, or be another one.
void monitorsChanged();
