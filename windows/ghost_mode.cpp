// Ghost mode's styles on the rabbit window: layered and transparent to the mouse, drawn
// half opaque in the same outline.
#include "windows/ghost_mode.h"

#include "preferences/preferences.h"
#include "windows/main_window.h"
#include "windows/preferences_file.h"

namespace {
constexpr LONG_PTR GHOST_STYLES = WS_EX_LAYERED | WS_EX_TRANSPARENT;
constexpr BYTE HALF_OPAQUE = 128;
} // namespace

bool ghostModeOn() {
    return preferences.ghost;
}

void applyGhostMode(HWND window) {
    const LONG_PTR styles = GetWindowLongPtrW(window, GWL_EXSTYLE);
    if (preferences.ghost) {
        SetWindowLongPtrW(window, GWL_EXSTYLE, styles | GHOST_STYLES);
        SetLayeredWindowAttributes(window, 0, HALF_OPAQUE, LWA_ALPHA);
    } else {
        // Without the layered style the window is drawn fully opaque again.
        SetWindowLongPtrW(window, GWL_EXSTYLE, styles & ~GHOST_STYLES);
    }
    InvalidateRect(window, nullptr, FALSE);
}

void setGhostMode(bool on) {
    if (on == preferences.ghost) {
        return;
    }
    preferences.ghost = on;
    applyGhostMode(mainWindow);
    savePreferences();
}
