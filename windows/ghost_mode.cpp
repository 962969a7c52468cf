// Ghost mode's styles on the rabbit window: layered and transparent to the mouse, drawn
// half opaque in the same outline.
#include "windows/ghost_mode.h"

#include "windows/chosen_preferences.h"
#include "windows/hotkey.h"
#include "windows/tray_icon.h"

namespace {
constexpr LONG_PTR GHOST_STYLES = WS_EX_LAYERED | WS_EX_TRANSPARENT;
constexpr BYTE HALF_OPAQUE = 128;
} // namespace

void updateGhostMode(HWND window) {
    const bool ghost = chosenPreferences().ghost && (trayIconShown() || hotkeyRegistered());
    const LONG_PTR styles = GetWindowLongPtrW(window, GWL_EXSTYLE);
    if (((styles & GHOST_STYLES) != 0) == ghost) {
        return;
    }
    if (ghost) {
        SetWindowLongPtrW(window, GWL_EXSTYLE, styles | GHOST_STYLES);
        SetLayeredWindowAttributes(window, 0, HALF_OPAQUE, LWA_ALPHA);
    } else {
        // Without the layered style the window is drawn fully opaque again.
        SetWindowLongPtrW(window, GWL_EXSTYLE, styles & ~GHOST_STYLES);
    }
    InvalidateRect(window, nullptr, FALSE);
}
