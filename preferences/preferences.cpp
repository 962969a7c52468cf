// The settings file's text: reading it leniently, changing one setting's line at a time.
#include "preferences/preferences.h"

#include <cstdint>
#include <set>

#include "preferences/ini_lines.h"

namespace {
const char SECTION[] = "varnok";

// Well-formed UTF-8 without control characters other than tabs and line ends.
bool isText(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto byte = static_cast<uint8_t>(bytes[i]);
        if (byte < 0x80) {
            if (byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n') {
                return false;
            }
            ++i;
            continue;
        }
        const int followers = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC2 ? 1 : -1;
        if (followers < 0 || byte > 0xF4 ||
            bytes.size() - i <= static_cast<std::size_t>(followers)) {
            return false;
        }
        for (int k = 1; k <= followers; ++k) {
            if ((static_cast<uint8_t>(bytes[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += static_cast<std::size_t>(followers) + 1;
    }
    return true;
}

// "0" or "1" as the flag; anything else is the default.
bool flagOf(const std::string& value, bool fallback) {
    return value == "1" ? true : value == "0" ? false : fallback;
}

int sizeOf(const std::string& value) {
    if (value.size() == 1 && value[0] >= '0' + SMALLEST_SIZE && value[0] <= '0' + LARGEST_SIZE) {
        return value[0] - '0';
    }
    return Preferences().size;
}

void take(Preferences& chosen, const std::string& key, const std::string& value) {
    if (key == SIZE_KEY) {
        chosen.size = sizeOf(value);
    } else if (key == GHOST_KEY) {
        chosen.ghost = flagOf(value, Preferences().ghost);
    } else if (key == PERCH_KEY) {
        chosen.perch = flagOf(value, Preferences().perch);
    } else if (key == HOTKEY_KEY && !parseHotkey(value, chosen.hotkey)) {
        chosen.hotkey = Hotkey();
    } else if (key == LANGUAGE_KEY) {
        chosen.language = languageOfKey(value);
    } else if (key == SKIN_KEY) {
        chosen.skin = value;
    }
}
} // namespace

Preferences parsePreferences(const std::string& text) {
    Preferences chosen;
    if (!isText(text.substr(iniBodyBegin(text)))) {
        return chosen;
    }
    // A key written twice counts the first time: the line that a change rewrites.
    std::set<std::string> seen;
    for (const IniLine& line : iniLines(text)) {
        if (line.section == SECTION && !line.key.empty() && seen.insert(line.key).second) {
            take(chosen, line.key, iniValue(text, line));
        }
    }
    return chosen;
}

std::string preferenceText(int size) {
    return std::to_string(size);
}

std::string preferenceText(bool on) {
    return on ? "1" : "0";
}

std::string preferenceText(const Hotkey& hotkey) {
    return hotkeyText(hotkey);
}

std::string preferenceText(const std::optional<Language>& language) {
    return language ? languageKey(*language) : "";
}

std::string preferenceText(const std::string& skin) {
    return skin;
}

std::string preferencesTextWith(const std::string& text, const char* key,
                                const std::string& value) {
    const bool readable = isText(text.substr(iniBodyBegin(text)));
    return withIniValue(readable ? text : std::string(), SECTION, key, value);
}
