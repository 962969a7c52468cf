// Registering the rabbit's hotkey, and knowing when another program holds its keys.
#include "windows/hotkey.h"

#include "preferences/preferences.h"

namespace {
constexpr int HOTKEY_ID = 1;

bool registered = false;

bool registerKeys(HWND window, const Hotkey& hotkey) {
    // Held down, the keys would toggle the rabbit again at every repeat.
    registered = RegisterHotKey(window, HOTKEY_ID, hotkey.modifiers | MOD_NOREPEAT,
                                static_cast<UINT>(hotkey.key)) != FALSE;
    return registered;
}
} // namespace

void registerHotkeyAtStart(HWND window) {
    if (preferences.hotkey.key != 0) {
        registerKeys(window, preferences.hotkey);
    }
}

bool changeHotkey(HWND window, const Hotkey& wanted) {
    const Hotkey old = preferences.hotkey;
    const bool oldRegistered = registered;
    unregisterHotkey(window);
    if (wanted.key != 0 && !registerKeys(window, wanted)) {
        if (oldRegistered) {
            registerKeys(window, old);
        }
        return false;
    }
    return true;
}

void unregisterHotkey(HWND window) {
    if (registered) {
        UnregisterHotKey(window, HOTKEY_ID);
        registered = false;
    }
}

bool hotkeyTaken() {
    return preferences.hotkey.key != 0 && !registered;
}
