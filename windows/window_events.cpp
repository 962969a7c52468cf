// Hooks on other programs' window events.
#include "windows/window_events.h"

HWINEVENTHOOK hookWindowEvents(DWORD first, DWORD last, DWORD process, DWORD thread,
                               WINEVENTPROC onEvent) {
    HWINEVENTHOOK hook =
        SetWinEventHook(first, last, nullptr, onEvent, process, thread, WINEVENT_OUTOFCONTEXT);
    if (hook == nullptr && thread != 0) {
        hook = SetWinEventHook(first, last, nullptr, onEvent, process, 0, WINEVENT_OUTOFCONTEXT);
    }
    return hook;
}

void unhook(HWINEVENTHOOK& hook) {
    if (hook != nullptr) {
        UnhookWinEvent(hook);
        hook = nullptr;
    }
}
