// The monitors' layout, read once per change so that the walks never ask the system.
#include "windows/monitors.h"

#include "desktop/display_scale.h"
#include "desktop/running_state.h"
#include "windows/main_window.h"

namespace {
BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        auto& found = *reinterpret_cast<std::vector<DeskMonitor>*>(list);
        const DeskMonitor areas = {inRabbitPixels(info.rcMonitor), inRabbitPixels(info.rcWork)};
        // The main monitor first, wherever the system lists it.
        found.insert((info.dwFlags & MONITORINFOF_PRIMARY) != 0 ? found.begin() : found.end(),
                     areas);
    }
    return TRUE;
}
} // namespace

ScreenRect inRabbitPixels(const RECT& edges) {
    const int s = displayScale;
    return {rabbitPixelsDown(edges.left, s), rabbitPixelsDown(edges.top, s),
            rabbitPixelsDown(edges.right, s), rabbitPixelsDown(edges.bottom, s)};
}

void readMonitors() {
    screenWidth = GetSystemMetrics(SM_CXSCREEN) / displayScale;
    screenHeight = GetSystemMetrics(SM_CYSCREEN) / displayScale;
    monitors.clear();
    for (const DeskMonitor& monitor : readMonitorAreas()) {
        monitors.push_back(monitor.area);
    }
}

std::vector<DeskMonitor> readMonitorAreas() {
    std::vector<DeskMonitor> found;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&found));
    return found;
}
