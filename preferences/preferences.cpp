// The settings file's text: reading it leniently, writing it whole.
#include "preferences/preferences.h"

#include <cstdint>

#include "language/ascii_case.h"

namespace {
const char BYTE_ORDER_MARK[] = "\xEF\xBB\xBF";
const char SECTION[] = "varnok";

std::string trimmed(const std::string& text) {
    const char* blanks = " \t\r";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

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
    if (key == "size") {
        chosen.size = sizeOf(value);
    } else if (key == "ghost") {
        chosen.ghost = flagOf(value, Preferences().ghost);
    } else if (key == "perch") {
        chosen.perch = flagOf(value, Preferences().perch);
    } else if (key == "hotkey" && !parseHotkey(value, chosen.hotkey)) {
        chosen.hotkey = Hotkey();
    } else if (key == "language") {
        chosen.language = languageOfKey(value);
    } else if (key == "skin") {
        chosen.skin = value;
    }
}
} // namespace

Preferences parsePreferences(const std::string& text) {
    Preferences chosen;
    std::string body = text.compare(0, 3, BYTE_ORDER_MARK) == 0 ? text.substr(3) : text;
    if (!isText(body)) {
        return chosen;
    }
    bool inSection = false;
    for (std::size_t start = 0; start < body.size();) {
        std::size_t end = body.find('\n', start);
        if (end == std::string::npos) {
            end = body.size();
        }
        const std::string line = trimmed(body.substr(start, end - start));
        start = end + 1;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            inSection = asciiLower(trimmed(line.substr(1, line.size() - 2))) == SECTION;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (inSection && equals != std::string::npos) {
            take(chosen, asciiLower(trimmed(line.substr(0, equals))),
                 trimmed(line.substr(equals + 1)));
        }
    }
    return chosen;
}

std::string preferencesText(const Preferences& chosen) {
    std::string text = std::string("[") + SECTION + "]\r\nsize=" + std::to_string(chosen.size) +
                       "\r\nghost=" + (chosen.ghost ? "1" : "0") +
                       "\r\nhotkey=" + hotkeyText(chosen.hotkey) + "\r\n";
    if (chosen.perch) {
        text += "perch=1\r\n";
    }
    if (chosen.language) {
        text += std::string("language=") + languageKey(*chosen.language) + "\r\n";
    }
    if (!chosen.skin.empty()) {
        text += "skin=" + chosen.skin + "\r\n";
    }
    return text;
}
