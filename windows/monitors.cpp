// The monitors' layout, read once per change so that the walks never ask the system.
#include "windows/monitors.h"

#include <vector>

#include "desktop/display_scale.h"
#include "desktop/running_state.h"
#include "windows/main_window.h"

namespace {
BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& edges = info.rcMonitor;
        const int s = displayScale;
        const ScreenRect rect = {rabbitPixelsDown(edges.left, s), rabbitPixelsDown(edges.top, s),
                                 rabbitPixelsDown(edges.right, s),
                                 rabbitPixelsDown(edges.bottom, s)};
        auto& found = *reinterpret_cast<std::vector<ScreenRect>*>(list);
        // The main monitor first, wherever the system lists it.
        found.insert((info.dwFlags & MONITORINFOF_PRIMARY) != 0 ? found.begin() : found.end(),
                     rect);
    }
    return TRUE;
}
} // namespace

void readMonitors() {
    screenWidth = GetSystemMetrics(SM_CXSCREEN) / displayScale;
    screenHeight = GetSystemMetrics(SM_CYSCREEN) / displayScale;
    std::vector<ScreenRect> found;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&found));
    monitors = found;
}
