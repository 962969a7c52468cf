// Where the program's dialogs stand.
#include "windows/dialogs/modal_dialog.h"

#include <algorithm>

void placeOnOwnersMonitor(HWND dialog) {
    HWND owner = GetWindow(dialog, GW_OWNER);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (owner == nullptr ||
        !GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return;
    }
    RECT frame;
    GetWindowRect(dialog, &frame);
    const RECT& work = monitor.rcWork;
    // A dialog larger than the work area keeps its top-left corner on it.
    const LONG x =
        std::max(work.left, std::min(frame.left, work.right - (frame.right - frame.left)));
    const LONG y =
        std::max(work.top, std::min(frame.top, work.bottom - (frame.bottom - frame.top)));
    if (x != frame.left || y != frame.top) {
        SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}
