// Other programs' windows as the rabbit's ledges: read in one pass per look, and the events
// that ask for a look.
#include "windows/window_ledges.h"

#include <dwmapi.h>

#include <algorithm>

#include "desktop/fullscreen_rule.h"
#include "windows/fullscreen_watch.h"
#include "windows/main_window.h"
#include "windows/monitors.h"
#include "windows/window_events.h"

WindowAttributeReader readWindowAttribute = DwmGetWindowAttribute;

namespace {
// Click-through overlays (of games, recorders, graphics drivers) may cover whole monitors
// while the user sees through them.
constexpr LONG CLICK_THROUGH = WS_EX_LAYERED | WS_EX_TRANSPARENT;
// Without a caption, such windows are tooltips, menus, the taskbar, other pets: they come and
// go over everything, and a tooltip over a title bar must not drop the rabbit.
constexpr LONG FLOATING = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;

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
RECT visibleFrame(HWND window, const RECT& rectangle) {
    RECT frame = rectangle;
    if (FAILED(readWindowAttribute(window, DWMWA_EXTENDED_FRAME_BOUNDS, &frame, sizeof frame))) {
        frame = rectangle;
    }
    return frame;
}

// A film filling its monitor holds no rabbit, and covers nothing either: the rabbit waits
// behind it where it stands until it ends.
bool fillsAMonitor(HWND window, LONG style, const RECT& rectangle, const Desk& desk) {
    const ForegroundWindow shown = {inRabbitPixels(rectangle), (style & WS_CAPTION) == WS_CAPTION,
                                    false};
    return std::any_of(
               desk.monitors.begin(), desk.monitors.end(),
               [&](const DeskMonitor& monitor) { return isFullscreen(shown, monitor.area); }) &&
           !belongsToShell(window);
}

// The styles answer most questions first: IsWindowVisible, IsIconic and GetWindowInfo cost
// Wine several times as much for another program's window.
BOOL CALLBACK addWindow(HWND window, LPARAM deskAddress) {
    Desk& desk = *reinterpret_cast<Desk*>(deskAddress);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    const LONG extended = GetWindowLongW(window, GWL_EXSTYLE);
    if ((style & (WS_VISIBLE | WS_MINIMIZE)) != WS_VISIBLE ||
        (extended & CLICK_THROUGH) == CLICK_THROUGH ||
        ((extended & FLOATING) == FLOATING && (style & WS_CAPTION) != WS_CAPTION)) {
        return TRUE;
    }
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    RECT rectangle;
    if (process == GetCurrentProcessId() || !GetWindowRect(window, &rectangle) || cloaked(window) ||
        fillsAMonitor(window, style, rectangle, desk)) {
        return TRUE;
    }
    const ScreenRect frame = inRabbitPixels(visibleFrame(window, rectangle));
    if (frame.left < frame.right && frame.top < frame.bottom) {
        desk.windows.push_back(
            {reinterpret_cast<uintptr_t>(window), frame, (style & WS_MAXIMIZE) == 0});
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

bool standsAsBefore(const Desk& desk, const Ledge& ledge, const Footing& at) {
    const std::vector<DeskMonitor> monitors = readMonitorAreas();
    if (!std::equal(monitors.begin(), monitors.end(), desk.monitors.begin(), desk.monitors.end(),
                    [](const DeskMonitor& a, const DeskMonitor& b) {
                        return sameRect(a.area, b.area) && sameRect(a.work, b.work);
                    })) {
        return false;
    }
    if (ledge.windowId == FLOOR) {
        return true;
    }
    HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(ledge.windowId));
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    RECT rectangle;
    if ((style & (WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE)) != WS_VISIBLE ||
        !GetWindowRect(window, &rectangle) ||
        !sameRect(inRabbitPixels(visibleFrame(window, rectangle)), ledge.frame)) {
        return false;
    }
    // The screen row of the edge lies within the rabbit pixel's block of rows.
    const int s = displayScale;
    HWND front = WindowFromPoint({at.middle * s + s / 2, ledge.top * s + s - 1});
    return front != nullptr && GetAncestor(front, GA_ROOT) == window;
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
