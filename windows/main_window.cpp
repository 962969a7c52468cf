// The rabbit window's procedure: creation and release, painting, the mouse, the timers
// and the menu commands.
#include "windows/main_window.h"

#include "animation/perching.h"
#include "animation/pose_table.h"
#include "desktop/desktop.h"
#include "desktop/display_scale.h"
#include "desktop/menu_timers.h"
#include "desktop/monitor_layout.h"
#include "desktop/running_state.h"
#include "desktop/timers.h"
#include "life/adoption.h"
#include "life/care.h"
#include "life/free_activity.h"
#include "life/timer_dispatch.h"
#include "rabbit/pet_record.h"
#include "rabbit/wrap32.h"
#include "res/resource.h"
#include "windows/chosen_preferences.h"
#include "windows/dialogs/about_dialog.h"
#include "windows/dialogs/items_dialog.h"
#include "windows/dialogs/modal_dialog.h"
#include "windows/dialogs/settings_dialog.h"
#include "windows/dialogs/status_dialog.h"
#include "windows/fullscreen_watch.h"
#include "windows/ghost_mode.h"
#include "windows/hotkey.h"
#include "windows/language_choice.h"
#include "windows/monitors.h"
#include "windows/perch_watch.h"
#include "windows/rabbit_menu.h"
#include "windows/rabbit_size.h"
#include "windows/save_file.h"
#include "windows/skin_choice.h"
#include "windows/sprite_bank.h"
#include "windows/tray_icon.h"

HINSTANCE appInstance;
HWND mainWindow;
HCURSOR linkCursor;
HCURSOR dragCursor;
HMENU menuBar;
HMENU popupMenu;
int dpiScale = 1;
int displayScale = 1;

namespace {
constexpr int HOME_X = 500;
constexpr int HOME_Y = 300;

// A position on a monitor that is gone would leave the rabbit out of reach. A right edge
// past 32 bits wraps below the left one and so shows on no monitor.
bool standingOnAMonitor() {
    const SIZE standing = spriteSize(STANDING_SPRITE);
    return onAnyMonitor({posX, posY, wrapAdd(posX, standing.cx), wrapAdd(posY, standing.cy)});
}

void onCreate(HWND window) {
    buildSaveFilePath();
    // The size sets how many screen pixels a rabbit pixel covers.
    loadChosenPreferences();
    speakChosenLanguage();
    startAtSize(chosenPreferences().size);
    // The walks wrap at the monitors' edges counted in rabbit pixels.
    readMonitors();
    loadRabbitMenu();
    loadState();
    if (hasPet != 0) {
        setCareMenuState(CARE_MENU_ENABLED);
        // mainWindow is still null here, so the timer goes on the message's window.
        SetTimer(window, TIMER_LIFE_CLOCK, LIFE_CLOCK_MS, nullptr);
    } else {
        posX = HOME_X;
        posY = HOME_Y;
    }
    if (!standingOnAMonitor()) {
        posX = HOME_X;
        posY = HOME_Y;
    }
    HRGN windowShape = CreateRectRgn(0, 0, 0, 0);
    takeRememberedSkin();
    buildSpriteRegions(window);
    CombineRgn(windowShape, windowShape, spriteEntry(STANDING_SPRITE)->region, RGN_OR);
    placeWindow(window, posX, posY, spriteSize(STANDING_SPRITE));
    SetWindowRgn(window, windowShape, TRUE);
    pose = 0;
    watchForFullscreen(window);
    startTrayIcon();
    registerHotkeyAtStart(trayWindow, chosenPreferences().hotkey);
    updateGhostMode(window);
}

// A monitor plugged in or out, or another resolution: the walks follow the new layout,
// the size follows what the main monitor offers, and a rabbit left on no monitor comes
// home at once, where the next save keeps it.
void onDisplayChange(HWND window) {
    readMonitors();
    drawRabbitAt(chosenPreferences().size);
    if (!standingOnAMonitor()) {
        posX = HOME_X;
        posY = HOME_Y;
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    }
    monitorsChanged();
    lookAtDeskNow();
}

void onDestroy() {
    walkOnWindows(false);
    unregisterHotkey(trayWindow);
    stopTrayIcon();
    stopWatchingForFullscreen();
    releaseSpriteBank();
    stopAnimationTimers();
    PostQuitMessage(0);
}

void onPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    paintPose(window, dc);
    EndPaint(window, &paint);
}

// The system runs its window-moving loop as for a title bar; the rabbit stays where it
// was dropped because every later paint moves it to the re-read position. Walking on
// windows, it does not fall while held, and falls from where it is dropped.
void onLeftButtonDown(HWND window) {
    SetCursor(dragCursor);
    stopTimer(TIMER_WALK_RIGHT);
    UpdateWindow(window);
    holdRabbit();
    ReleaseCapture();
    SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    POINT corner = {0, 0};
    ClientToScreen(window, &corner);
    posX = rabbitPixelsOf(corner.x, displayScale);
    posY = rabbitPixelsOf(corner.y, displayScale);
    letGoAfterDrag();
    // Dropped off the grid of whole rabbit pixels: the paint puts it on the grid at once.
    if (corner.x != posX * displayScale || corner.y != posY * displayScale) {
        InvalidateRect(window, nullptr, FALSE);
    }
    rearmAfterMousePress();
}

void onRightButtonDown(HWND window, WPARAM buttons) {
    stopActiveAnimation();
    // A modifier key or another button held with the right one opens no menu, nor does a
    // click while one of the program's dialogs is open: that comes to the front instead.
    if (buttons == MK_RBUTTON && !raiseOpenDialog()) {
        POINT cursor;
        GetCursorPos(&cursor);
        TrackPopupMenu(popupMenu, 0, cursor.x, cursor.y, 0, window, nullptr);
    }
    rearmAfterMousePress();
}

void exitProgram(HWND window) {
    saveState();
    DestroyWindow(window);
}

struct Command {
    int id;
    void (*run)(HWND window);
};

const Command commandTable[] = {
    {IDM_ABOUT, openAboutDialog},
    {IDM_EXIT, exitProgram},
    {IDM_STATUS, openStatusDialog},
    {IDM_SLEEP, [](HWND) { commandSleep(); }},
    {IDM_DRINK, [](HWND) { commandDrink(); }},
    {IDM_EAT, [](HWND) { commandEat(); }},
    {IDM_ADOPT, [](HWND) { commandAdopt(); }},
    {IDM_LABOUR, [](HWND) { commandLabour(); }},
    {IDM_FREE_ACTIVITY, [](HWND) { toggleFreeActivity(); }},
    {IDM_ITEMS, openItemsDialog},
    {IDM_SETTINGS, openSettingsDialog},
};

bool runCommand(HWND window, int id) {
    for (const Command& command : commandTable) {
        if (command.id == id) {
            command.run(window);
            return true;
        }
    }
    return false;
}
} // namespace

LRESULT CALLBACK mainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        onCreate(window);
        return 0;
    case WM_DESTROY:
        onDestroy();
        return 0;
    case WM_PAINT:
        onPaint(window);
        return 0;
    case WM_LBUTTONDOWN:
        onLeftButtonDown(window);
        return 0;
    case WM_LBUTTONDBLCLK:
        onDoubleClick();
        return 0;
    case WM_RBUTTONDOWN:
        onRightButtonDown(window, wParam);
        return 0;
    case WM_TIMER:
        // Walking on windows, the rabbit looks at them after each of its own frames.
        if (wParam == LOOK_AT_DESK_TIMER) {
            lookAgainIfChanged();
        } else {
            runTimerStep(static_cast<int>(wParam));
            lookAtDeskNow();
        }
        return 0;
    case LOOK_AT_DESK_MESSAGE:
        lookAtDeskNow();
        return 0;
    case WM_COMMAND:
        if (runCommand(window, LOWORD(wParam))) {
            refreshTrayTip();
            return 0;
        }
        break;
    case WM_DISPLAYCHANGE:
        onDisplayChange(window);
        return 0;
    case WM_WINDOWPOSCHANGED:
        rabbitMoved(*reinterpret_cast<const WINDOWPOS*>(lParam));
        break;
    case WM_ENDSESSION:
        // Logging off or shutting down must not lose the rabbit's last minutes.
        if (wParam != FALSE) {
            saveState();
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
