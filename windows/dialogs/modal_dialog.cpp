// Where the program's dialogs stand, and bringing an open one back to the front.
#include "windows/dialogs/modal_dialog.h"

#include <algorithm>

#include "windows/wide_text.h"

namespace {
constexpr wchar_t DIALOG_CLASS[] = L"#32770";

// Stops at the first of the thread's visible boxes and dialogs that is enabled: a box
// disables the dialog it opens from.
BOOL CALLBACK findEnabledDialog(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (lstrcmpW(className, DIALOG_CLASS) != 0 || IsWindowVisible(window) == FALSE ||
        IsWindowEnabled(window) == FALSE) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}
} // namespace

bool raiseOpenDialog() {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findEnabledDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr) {
        return false;
    }
    SetForegroundWindow(dialog);
    return true;
}

void warnOver(HWND dialog, TextId why) {
    wchar_t caption[64] = {};
    GetWindowTextW(dialog, caption, 64);
    MessageBoxW(dialog, widen(text(why)).c_str(), caption, MB_OK | MB_ICONWARNING);
}

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
