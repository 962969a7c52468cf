// The notification icon: added with the rabbit window, tried again while the shell's
// notification area is not there yet and whenever it starts anew, removed at the end of
// the program or of the session.
#include "windows/tray_icon.h"

#include <windowsx.h>

#include <string>

#include "rabbit/pet_record.h"
#include "res/resource.h"
#include "windows/dialogs/modal_dialog.h"
#include "windows/ghost_mode.h"
#include "windows/main_window.h"
#include "windows/rabbit_visibility.h"
#include "windows/single_instance.h"
#include "windows/startup.h"
#include "windows/tray_menu.h"
#include "windows/wide_text.h"

HWND trayWindow;

namespace {
BOOL shellNotifyIcon(DWORD action, NOTIFYICONDATAW* data) {
    return Shell_NotifyIconW(action, data);
}
} // namespace

BOOL (*notifyIcon)(DWORD action, NOTIFYICONDATAW* data) = shellNotifyIcon;

namespace {
constexpr UINT ICON_ID = 1;
// Posted as the window is made: loading the shell for the icon would delay the rabbit's
// first paint, so the icon comes right after it.
constexpr UINT ADD_ICON_MESSAGE = WM_APP + 2;
constexpr int SMALL_ICON_PIXELS = 16;
// At a logon start the notification area may come up well after the rabbit: an icon that
// could not be added is tried again this often, this many times in the program's life.
constexpr UINT_PTR ADD_RETRY_TIMER = 1;
constexpr UINT ADD_RETRY_MS = 5000;
constexpr int ADD_RETRIES = 60;

// Broadcast by the shell when its notification area starts, after Explorer restarts too.
UINT taskbarCreated;
HICON icon;
std::wstring shownTip;
bool iconShown = false;
int retriesLeft = ADD_RETRIES;
ULONGLONG lastSelection;
// A right click brings its button's release before the menu; the keyboard brings none.
bool menuByMouse = false;

// The small icon holds 16 x 16 only; where the system's small icons are larger (a higher
// DPI), the program icon's image of that size stays sharp.
HICON loadTrayIcon() {
    const int size = GetSystemMetrics(SM_CXSMICON);
    const int id = size > SMALL_ICON_PIXELS ? IDI_VARNOK : IDI_SMALL;
    return static_cast<HICON>(
        LoadImageW(appInstance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}

std::wstring tipText() {
    std::wstring tip = windowTitle;
    const std::string name = petNameUtf8();
    if (hasPet != 0 && !name.empty()) {
        tip += L" - " + widen(name);
    }
    return tip;
}

NOTIFYICONDATAW iconData(UINT flags) {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = trayWindow;
    data.uID = ICON_ID;
    data.uFlags = flags;
    return data;
}

bool notifyTip(DWORD action) {
    NOTIFYICONDATAW data = iconData(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP);
    data.uCallbackMessage = TRAY_ICON_MESSAGE;
    data.hIcon = icon;
    shownTip = tipText();
    lstrcpynW(data.szTip, shownTip.c_str(), ARRAYSIZE(data.szTip));
    return notifyIcon(action, &data) != FALSE;
}

// A shell busy at logon may give up waiting and still add the icon: one that can be
// changed is there. A ghost rabbit becomes one only once its icon is.
bool addIcon() {
    iconShown = notifyTip(NIM_ADD) || notifyTip(NIM_MODIFY);
    if (iconShown) {
        // Version 4 reports a click or the keyboard's Enter as one selection, and the menu
        // key or right click as WM_CONTEXTMENU.
        NOTIFYICONDATAW data = iconData(0);
        data.uVersion = NOTIFYICON_VERSION_4;
        notifyIcon(NIM_SETVERSION, &data);
    }
    updateGhostMode(mainWindow);
    return iconShown;
}

void addIconOrRetry() {
    if (!addIcon() && retriesLeft > 0) {
        SetTimer(trayWindow, ADD_RETRY_TIMER, ADD_RETRY_MS, nullptr);
    }
}

void retryAddingIcon() {
    --retriesLeft;
    if (addIcon() || retriesLeft <= 0) {
        KillTimer(trayWindow, ADD_RETRY_TIMER);
    }
}

void removeIcon() {
    NOTIFYICONDATAW data = iconData(0);
    notifyIcon(NIM_DELETE, &data);
    iconShown = false;
}

// A double-click brings a second selection, and Enter on the focused icon two at once:
// a selection within the double-click time of the one that counted is part of it.
bool partOfLastSelection() {
    const ULONGLONG now = GetTickCount64();
    if (now - lastSelection < GetDoubleClickTime()) {
        return true;
    }
    lastSelection = now;
    return false;
}

// After a menu the keyboard opened, the keyboard goes back to the icon.
void openMenuAt(POINT at, bool byKeyboard) {
    openTrayMenu(trayWindow, at);
    if (byKeyboard) {
        NOTIFYICONDATAW data = iconData(0);
        notifyIcon(NIM_SETFOCUS, &data);
    }
}

// Version 4: the event in the low word of lParam, the icon's place on the screen in
// wParam. While a box or dialog is open, a click brings it to the front and does nothing
// else: a second modal loop would wait on the first.
void onIconEvent(WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(lParam)) {
    case NIN_SELECT:
    case NIN_KEYSELECT:
        if (!partOfLastSelection() && !raiseOpenDialog()) {
            toggleRabbitHidden();
        }
        break;
    case WM_RBUTTONUP:
        menuByMouse = true;
        break;
    case WM_CONTEXTMENU: {
        const bool byKeyboard = !menuByMouse;
        menuByMouse = false;
        if (!raiseOpenDialog()) {
            openMenuAt({GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)}, byKeyboard);
        }
        break;
    }
    }
}

LRESULT CALLBACK trayWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case TRAY_ICON_MESSAGE:
        onIconEvent(wParam, lParam);
        return 0;
    case ADD_ICON_MESSAGE:
        addIconOrRetry();
        return 0;
    case WM_TIMER:
        retryAddingIcon();
        return 0;
    case WM_HOTKEY:
        toggleRabbitHidden();
        return 0;
    case SHOW_RABBIT_MESSAGE:
        showRabbit();
        raiseOpenDialog();
        return 0;
    case WM_ENDSESSION:
        if (wParam != FALSE) {
            removeIcon();
        }
        return 0;
    }
    if (message == taskbarCreated) {
        addIconOrRetry();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

ATOM registerTrayClass() {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = trayWndProc;
    windowClass.hInstance = appInstance;
    windowClass.lpszClassName = TRAY_CLASS;
    return RegisterClassExW(&windowClass);
}
} // namespace

void startTrayIcon() {
    static const ATOM trayClass = registerTrayClass();
    taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    lastSelection = 0;
    // A top-level window, never shown: message-only windows miss the shell's broadcast.
    trayWindow = CreateWindowExW(0, MAKEINTATOM(trayClass), folderClaimName().c_str(), WS_POPUP, 0,
                                 0, 0, 0, nullptr, nullptr, appInstance, nullptr);
    // A rabbit run as administrator hears the shell, and a later start, from below too.
    ChangeWindowMessageFilterEx(trayWindow, taskbarCreated, MSGFLT_ALLOW, nullptr);
    ChangeWindowMessageFilterEx(trayWindow, SHOW_RABBIT_MESSAGE, MSGFLT_ALLOW, nullptr);
    icon = loadTrayIcon();
    PostMessageW(trayWindow, ADD_ICON_MESSAGE, 0, 0);
}

void stopTrayIcon() {
    removeIcon();
    DestroyWindow(trayWindow);
    trayWindow = nullptr;
    DestroyIcon(icon);
    icon = nullptr;
}

bool trayIconShown() {
    return iconShown;
}

void refreshTrayTip() {
    if (trayWindow != nullptr && tipText() != shownTip) {
        notifyTip(NIM_MODIFY);
    }
}
