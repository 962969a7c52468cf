// Start-up of the rabbit: the window's strings and class, its pictures and cursors,
// and the borderless always-on-top window itself.
#include "windows/startup.h"

#include "desktop/display_scale.h"
#include "res/resource.h"
#include "windows/chosen_preferences.h"
#include "windows/main_window.h"
#include "windows/perch_watch.h"
#include "windows/sprite_bank.h"

wchar_t windowTitle[WINDOW_TEXT_CHARS];
wchar_t windowClassName[WINDOW_TEXT_CHARS];

namespace {
constexpr int START_X = 100;
constexpr int START_Y = 100;
} // namespace

int systemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

void loadWindowStrings(HINSTANCE instance) {
    LoadStringW(instance, IDS_APP_TITLE, windowTitle, WINDOW_TEXT_CHARS);
    LoadStringW(instance, IDS_CLASS_NAME, windowClassName, WINDOW_TEXT_CHARS);
}

void registerMainClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    // Double-clicks start the play sequences.
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = mainWndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_VARNOK));
    windowClass.hCursor = LoadCursorW(instance, MAKEINTRESOURCEW(IDC_MOVE_ARROWS));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = windowClassName;
    windowClass.hIconSm = LoadIconW(instance, MAKEINTRESOURCEW(IDI_SMALL));
    RegisterClassExW(&windowClass);
}

int initMainWindow(HINSTANCE instance, int showCommand) {
    appInstance = instance;
    dpiScale = scaleForDpi(systemDpi());
    displayScale = dpiScale;
    loadSpriteBitmaps(instance);
    linkCursor = LoadCursorW(instance, MAKEINTRESOURCEW(IDC_LINK_HAND));
    dragCursor = LoadCursorW(instance, MAKEINTRESOURCEW(IDC_DRAG_HAND));
    const SIZE standing = spriteSize(STANDING_SPRITE);
    // The tool window stays off the taskbar; WM_CREATE moves it to the saved place.
    mainWindow =
        CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, windowClassName, windowTitle, WS_POPUP,
                        START_X * displayScale, START_Y * displayScale, standing.cx * displayScale,
                        standing.cy * displayScale, nullptr, nullptr, instance, nullptr);
    if (mainWindow == nullptr) {
        return 0;
    }
    ShowWindow(mainWindow, showCommand);
    UpdateWindow(mainWindow);
    // Its timers and the window events need the window made.
    walkOnWindows(chosenPreferences().perch);
    return 1;
}
