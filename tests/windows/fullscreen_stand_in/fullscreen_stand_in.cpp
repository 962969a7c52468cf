// A stand-in for a film or game in another program: a window that takes the foreground
// covering the whole screen without a caption. WM_APP turns it into a maximised window
// with a caption and back; WM_CLOSE ends it, as does a minute's wait.
// Wine 8 sends none of the window events Windows sends for these changes (foreground,
// location, destruction), so the stand-in announces each one itself, as Windows would.
#include "stand_in.h"

namespace {
constexpr UINT LIFETIME_MS = 60000;

bool fullscreen = true;

void announce(DWORD event, HWND window) {
    NotifyWinEvent(event, window, OBJID_WINDOW, CHILDID_SELF);
}

void coverScreen(HWND window) {
    SetWindowLongPtrW(window, GWL_STYLE, WS_POPUP | WS_VISIBLE);
    SetWindowPos(window, nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                 GetSystemMetrics(SM_CYSCREEN), SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void switchMode(HWND window) {
    fullscreen = !fullscreen;
    if (fullscreen) {
        ShowWindow(window, SW_RESTORE);
        coverScreen(window);
    } else {
        SetWindowLongPtrW(window, GWL_STYLE, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        ShowWindow(window, SW_MAXIMIZE);
    }
    announce(EVENT_OBJECT_LOCATIONCHANGE, window);
}

LRESULT CALLBACK standInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_APP:
        switchMode(window);
        return 0;
    case WM_TIMER:
    case WM_CLOSE:
        DestroyWindow(window);
        announce(EVENT_OBJECT_DESTROY, window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
} // namespace

int wmain() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = standInProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = STAND_IN_CLASS;
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, STAND_IN_CLASS, L"fullscreen stand-in", WS_POPUP, 0, 0, 0, 0,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
    coverScreen(window);
    const bool foreground = SetForegroundWindow(window) != FALSE;
    if (foreground) {
        announce(EVENT_SYSTEM_FOREGROUND, window);
    }
    SetPropW(window, FOREGROUND_ANSWER,
             reinterpret_cast<HANDLE>(foreground ? FOREGROUND_TAKEN : FOREGROUND_REFUSED));
    SetTimer(window, 1, LIFETIME_MS, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
