// Hotkeys as the settings file writes them.
#include "preferences/hotkey.h"

#include <iterator>

#include "language/ascii_case.h"

namespace {
constexpr int F1_KEY = 0x70;
constexpr int F12_KEY = 0x7B;
constexpr int F24_KEY = 0x87;
constexpr unsigned NEEDED_MODIFIERS = HOTKEY_CTRL | HOTKEY_ALT | HOTKEY_WIN;

struct ModifierName {
    unsigned bit;
    const char* name;
};
// In the order the text puts them.
const ModifierName modifierNames[] = {
    {HOTKEY_CTRL, "Ctrl"}, {HOTKEY_ALT, "Alt"}, {HOTKEY_SHIFT, "Shift"}, {HOTKEY_WIN, "Win"}};

std::string keyName(int key) {
    if (key >= F1_KEY && key <= F24_KEY) {
        return "F" + std::to_string(key - F1_KEY + 1);
    }
    return std::string(1, static_cast<char>(key));
}

bool isLetterOrDigit(int key) {
    return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
}

// The key of an upper-case name, or 0.
int keyOfName(const std::string& name) {
    if (name.size() == 1 && isLetterOrDigit(name[0])) {
        return name[0];
    }
    for (int key = F1_KEY; key <= F24_KEY; ++key) {
        if (name == keyName(key)) {
            return key;
        }
    }
    return 0;
}

unsigned modifierOfName(const std::string& name) {
    for (const ModifierName& modifier : modifierNames) {
        if (name == asciiUpper(modifier.name)) {
            return modifier.bit;
        }
    }
    return 0;
}
} // namespace

bool operator==(const Hotkey& a, const Hotkey& b) {
    return a.modifiers == b.modifiers && a.key == b.key;
}
bool operator!=(const Hotkey& a, const Hotkey& b) {
    return !(a == b);
}

bool hotkeyAllowed(const Hotkey& hotkey) {
    const int key = hotkey.key;
    const bool functionKey = key >= F1_KEY && key <= F24_KEY && key != F12_KEY;
    return (isLetterOrDigit(key) || functionKey) && (hotkey.modifiers & NEEDED_MODIFIERS) != 0;
}

std::string hotkeyText(const Hotkey& hotkey) {
    if (hotkey.key == 0) {
        return std::string();
    }
    std::string text;
    for (const ModifierName& modifier : modifierNames) {
        if ((hotkey.modifiers & modifier.bit) != 0) {
            text += std::string(modifier.name) + "+";
        }
    }
    return text + keyName(hotkey.key);
}

bool parseHotkey(const std::string& text, Hotkey& hotkey) {
    if (text.empty()) {
        hotkey = Hotkey();
        return true;
    }
    Hotkey read;
    std::size_t start = 0;
    for (;;) {
        const std::size_t plus = text.find('+', start);
        const std::string name = asciiUpper(text.substr(start, plus - start));
        if (plus == std::string::npos) {
            read.key = keyOfName(name);
            break;
        }
        const unsigned bit = modifierOfName(name);
        if (bit == 0 || (read.modifiers & bit) != 0) {
            return false;
        }
        read.modifiers |= bit;
        start = plus + 1;
    }
    if (!hotkeyAllowed(read)) {
        return false;
    }
    hotkey = read;
    return true;
}
