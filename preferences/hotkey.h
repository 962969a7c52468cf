// The key that hides and shows the rabbit, and its text in the settings file.
#pragma once

#include <string>

// Modifier bits, the values RegisterHotKey takes.
enum HotkeyModifier : unsigned {
    HOTKEY_ALT = 0x1,
    HOTKEY_CTRL = 0x2,
    HOTKEY_SHIFT = 0x4,
    HOTKEY_WIN = 0x8,
};

// A virtual key code: 'A'-'Z', '0'-'9' or F1-F24 (0x70-0x87); 0 is no hotkey at all.
struct Hotkey {
    unsigned modifiers = 0;
    int key = 0;
};

bool operator==(const Hotkey& a, const Hotkey& b);
bool operator!=(const Hotkey& a, const Hotkey& b);

// Whether keys may be the hotkey: a letter, a digit or a function key but F12, which
// Windows keeps for debuggers, with at least one of Ctrl, Alt and Win, so that no key is
// taken from every program's typing.
bool hotkeyAllowed(const Hotkey& hotkey);

// "Ctrl+Alt+R": the modifiers in the order Ctrl, Alt, Shift, Win, then the key; empty for
// no hotkey.
std::string hotkeyText(const Hotkey& hotkey);

// Reads such a text in any case and order of modifiers; the empty text is no hotkey.
// False, with `hotkey` unchanged, for anything else, keys not allowed included.
bool parseHotkey(const std::string& text, Hotkey& hotkey);
