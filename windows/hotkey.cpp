// Registering the rabbit's hotkey, and knowing when another program holds its keys.
#include "windows/hotkey.h"

#include "windows/chosen_preferences.h"

namespace {
constexpr int HOTKEY_ID = 1;

// The registered keys; none while nothing is registered.
Hotkey registered;

bool registerKeys(HWND window, const Hotkey& hotkey) {
    // Held down, the keys would toggle the rabbit again at every repeat.
    if (RegisterHotKey(window, HOTKEY_ID, hotkey.modifiers | MOD_NOREPEAT,
                       static_cast<UINT>(hotkey.key)) == FALSE) {
        return false;
    }
    registered = hotkey;
    return true;
}
} // namespace

void registerHotkeyAtStart(HWND window, const Hotkey& chosen) {
    if (chosen.key != 0) {
        registerKeys(window, chosen);
    }
}

bool registerHotkey(HWND window, const Hotkey& wanted) {
    const Hotkey old = registered;
    unregisterHotkey(window);
    if (wanted.key != 0 && !registerKeys(window, wanted)) {
        if (old.key != 0) {
            registerKeys(window, old);
        }
        return false;
    }
    return true;
}

void unregisterHotkey(HWND window) {
    if (registered.key != 0) {
        UnregisterHotKey(window, HOTKEY_ID);
        registered = Hotkey();
    }
}

bool hotkeyRegistered() {
    return registered.key != 0;
}

bool hotkeyTaken() {
    return chosenPreferences().hotkey.key != 0 && !hotkeyRegistered();
}
