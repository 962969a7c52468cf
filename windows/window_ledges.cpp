// Other programs' windows as the rabbit's ledges: read in one pass per look, and the events
// that ask for a look.
#include "windows/window_ledges.h"

#include <dwmapi.h>

#include "windows/fullscreen_watch.h"
#include "windows/monitors.h"
#include "windows/window_events.h"

WindowAttributeReader readWindowAttribute = DwmGetWindowAttribute;

namespace {
// Click-through overlays (of games, recorders, graphics drivers) may cover whole monitors
// while the user sees through them.
constexpr LONG CLICK_THROUGH = WS_EX_LAYERED | WS_EX_TRANSPARENT;

struct EventRange {
    DWORD first;
    DWORD last;
};

// The events of every window that may change what the rabbit stands on, but their moves.
const EventRange heardEvents[] = {
    {EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND},
    {EVENT_SYSTEM_MOVESIZEEND, EVENT_SYSTEM_MOVESIZEEND},
    {EVENT_SYSTEM_MINIMIZESTART, EVENT_SYSTEM_MINIMIZEEND},
    {EVENT_OBJECT_DESTROY, EVENT_OBJECT_REORDER},
    {EVENT_OBJECT_CLOAKED, EVENT_OBJECT_UNCLOAKED},
};

HWINEVENTHOOK hooks[std::size(heardEvents)];
HWINEVENTHOOK followHook;
uint64_t followed;
HWND notified;
UINT notifyMessage;
bool lookAsked;

void CALLBACK onWindowEvent(HWINEVENTHOOK, DWORD, HWND window, LONG objectId, LONG childId, DWORD,
                            DWORD) {
    // A process's events also tell of its carets, cursors and controls.
    if (objectId != OBJID_WINDOW || childId != CHILDID_SELF || window == nullptr ||
        notified == nullptr || lookAsked) {
        return;
    }
    if (IsWindow(window) && GetAncestor(window, GA_ROOT) != window) {
        return;
    }
    lookAsked = true;
    PostMessageW(notified, notifyMessage, 0, 0);
}

// Windows keeps the windows of other virtual desktops and of suspended Store apps visible
// while it hides them from the screen.
bool cloaked(HWND window) {
    DWORD cloak = 0;
    return SUCCEEDED(readWindowAttribute(window, DWMWA_CLOAKED, &cloak, sizeof cloak)) &&
           cloak != 0;
}

// On Windows 10 and 11 the window's rectangle also holds its invisible resize borders.
RECT visibleFrame(HWND window) {
    RECT frame = {};
    if (FAILED(readWindowAttribute(window, DWMWA_EXTENDED_FRAME_BOUNDS, &frame, sizeof frame))) {
        GetWindowRect(window, &frame);
    }
    return frame;
}

// A film filling its monitor holds no rabbit, and covers nothing either: the rabbit waits
// behind it where it stands until it ends.
bool fillsItsMonitor(HWND window) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    return GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor) &&
           fillsMonitor(window, monitor.rcMonitor);
}

bool showsOnScreen(HWND window) {
    if (!IsWindowVisible(window) || IsIconic(window) ||
        (GetWindowLongW(window, GWL_EXSTYLE) & CLICK_THROUGH) == CLICK_THROUGH) {
        return false;
    }
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process != GetCurrentProcessId() && !cloaked(window) && !fillsItsMonitor(window);
}

BOOL CALLBACK addWindow(HWND window, LPARAM list) {
    if (showsOnScreen(window)) {
        const ScreenRect frame = inRabbitPixels(visibleFrame(window));
        if (frame.left < frame.right && frame.top < frame.bottom) {
            reinterpret_cast<Desk*>(list)->windows.push_back(
                {reinterpret_cast<uintptr_t>(window), frame, IsZoomed(window) == FALSE});
        }
    }
    return TRUE;
}
} // namespace

Desk readDesk() {
    lookAsked = false;
    Desk desk;
    desk.monitors = readMonitorAreas();
    EnumWindows(addWindow, reinterpret_cast<LPARAM>(&desk));
    return desk;
}

void watchWindows(HWND window, UINT message) {
    notified = window;
    notifyMessage = message;
    for (std::size_t i = 0; i < std::size(heardEvents); ++i) {
        hooks[i] =
            SetWinEventHook(heardEvents[i].first, heardEvents[i].last, nullptr, onWindowEvent, 0, 0,
                            WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    }
}

void stopWatchingWindows() {
    for (HWINEVENTHOOK& hook : hooks) {
        unhook(hook);
    }
    followWindow(0);
    notified = nullptr;
    lookAsked = false;
}

void followWindow(uint64_t id) {
    if (id == followed) {
        return;
    }
    unhook(followHook);
    followed = id;
    HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(id));
    DWORD process = 0;
    const DWORD thread = id != 0 ? GetWindowThreadProcessId(window, &process) : 0;
    // A window already gone has no thread, and a hook on thread 0 would hear everyone.
    if (thread != 0) {
        followHook = hookWindowEvents(EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE,
                                      process, thread, onWindowEvent);
    }
}
