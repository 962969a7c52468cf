// When the foreground window counts as fullscreen on the rabbit's monitor.
#include "desktop/fullscreen_rule.h"

bool isFullscreen(const ForegroundWindow& window, const ScreenRect& monitor) {
    const ScreenRect& frame = window.frame;
    const bool coversMonitor = frame.left <= monitor.left && frame.top <= monitor.top &&
                               frame.right >= monitor.right && frame.bottom >= monitor.bottom;
    return coversMonitor && !window.hasCaption && !window.belongsToShell;
}
