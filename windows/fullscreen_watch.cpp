// Keeps the rabbit out of the way of fullscreen windows. Driven by window events only:
// foreground changes anywhere, and the moves and end of the foreground window.
#include "windows/fullscreen_watch.h"

#include <cwchar>

#include "desktop/fullscreen_rule.h"
#include "windows/window_events.h"

namespace {
// Never take the focus, and never move or resize: painting owns the rabbit's place.
constexpr UINT Z_ORDER_ONLY = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

// The windows of the shell that cover monitors without a caption, besides the desktop.
const wchar_t* const shellClasses[] = {L"Progman", L"WorkerW", L"Shell_TrayWnd",
                                       L"Shell_SecondaryTrayWnd"};

HWND rabbit;
HWINEVENTHOOK foregroundHook;
// The foreground window being followed, with hooks on its moves and its destruction.
HWND followed;
HWINEVENTHOOK movesHook;
HWINEVENTHOOK endHook;
// The fullscreen window the rabbit stands behind; null while the rabbit is on top.
HWND coveringWindow;
// The monitor the rabbit was on when last judged.
RECT rabbitMonitor;

void judge();

void CALLBACK onWindowEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG objectId, LONG childId,
                            DWORD, DWORD) {
    // A process's events also tell of its carets, cursors, controls and other windows.
    if (objectId != OBJID_WINDOW || childId != CHILDID_SELF) {
        return;
    }
    if (event == EVENT_SYSTEM_FOREGROUND || window == followed) {
        judge();
    }
}

// A hook on one event of the window's own thread only: the mouse cursor's moves are
// location changes too, and a hook on everyone would wake the rabbit on every one of them.
HWINEVENTHOOK hookWindowEvent(DWORD event, DWORD process, DWORD thread) {
    return hookWindowEvents(event, event, process, thread, onWindowEvent);
}

void follow(HWND window) {
    if (window == followed) {
        return;
    }
    unhook(movesHook);
    unhook(endHook);
    followed = window;
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &process);
    // The rabbit's own windows are never fullscreen, and its every frame moves it; a
    // window already gone has no thread, and a hook on thread 0 would hear everyone.
    if (thread == 0 || process == GetCurrentProcessId()) {
        return;
    }
    movesHook = hookWindowEvent(EVENT_OBJECT_LOCATIONCHANGE, process, thread);
    endHook = hookWindowEvent(EVENT_OBJECT_DESTROY, process, thread);
}

ScreenRect screenRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

bool fillsRabbitsMonitor(HWND window) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(rabbit, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return false;
    }
    rabbitMonitor = monitor.rcMonitor;
    RECT frame;
    if (window == nullptr || !IsWindowVisible(window) || !GetWindowRect(window, &frame)) {
        return false;
    }
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    const ForegroundWindow foreground = {screenRect(frame), (style & WS_CAPTION) == WS_CAPTION,
                                         belongsToShell(window)};
    return isFullscreen(foreground, screenRect(rabbitMonitor));
}

// Right behind a window of the normal band, which also takes the rabbit out of the
// topmost band; a topmost fullscreen window (many games) needs only the latter. The
// rabbit's dialogs and reports go along with it.
void standBehind(HWND window) {
    const bool topmost = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    SetWindowPos(rabbit, topmost ? HWND_NOTOPMOST : window, 0, 0, 0, 0, Z_ORDER_ONLY);
}

void judge() {
    HWND foreground = GetForegroundWindow();
    follow(foreground);
    HWND covering = fillsRabbitsMonitor(foreground) ? foreground : nullptr;
    if (covering == coveringWindow) {
        return;
    }
    coveringWindow = covering;
    if (covering != nullptr) {
        standBehind(covering);
    } else {
        SetWindowPos(rabbit, HWND_TOPMOST, 0, 0, 0, 0, Z_ORDER_ONLY);
    }
}
} // namespace

bool belongsToShell(HWND window) {
    if (window == GetDesktopWindow() || window == GetShellWindow()) {
        return true;
    }
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    for (const wchar_t* shellClass : shellClasses) {
        if (std::wcscmp(name, shellClass) == 0) {
            return true;
        }
    }
    return false;
}

void watchForFullscreen(HWND window) {
    foregroundHook = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                                     onWindowEvent, 0, 0, WINEVENT_OUTOFCONTEXT);
    if (foregroundHook == nullptr) {
        return;
    }
    rabbit = window;
    judge();
}

void stopWatchingForFullscreen() {
    unhook(foregroundHook);
    unhook(movesHook);
    unhook(endHook);
    rabbit = nullptr;
    followed = nullptr;
    coveringWindow = nullptr;
}

void rabbitMoved(const WINDOWPOS& place) {
    if (rabbit == nullptr || (place.flags & SWP_NOMOVE) != 0) {
        return;
    }
    const POINT centre = {place.x + place.cx / 2, place.y + place.cy / 2};
    if (!PtInRect(&rabbitMonitor, centre)) {
        judge();
    }
}

void monitorsChanged() {
    if (rabbit != nullptr) {
        judge();
    }
}
