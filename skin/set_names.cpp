// Which file names count in a picture set, and which folder names stay inside skins\.
#include "skin/set_names.h"

#include <cctype>
#include <cstring>

#include "animation/sprite_ids.h"
#include "language/ascii_case.h"

namespace {
const char* const PICTURE_EXTENSIONS[] = {".png", ".bmp"};
constexpr std::size_t NUMBER_DIGITS = 3;
const char REFUSED_CHARACTERS[] = "<>:\"/\\|?*";
const char* const DEVICE_NAMES[] = {"CON", "PRN", "AUX", "NUL"};
const char* const NUMBERED_DEVICES[] = {"COM", "LPT"};

// Windows opens the device for its name with any extension: "con.txt" is the console.
bool isDeviceName(const std::string& name) {
    const std::string stem = asciiUpper(name.substr(0, name.find('.')));
    for (const char* device : DEVICE_NAMES) {
        if (stem == device) {
            return true;
        }
    }
    for (const char* device : NUMBERED_DEVICES) {
        if (stem.size() == 4 && stem.compare(0, 3, device) == 0 && stem[3] >= '1' &&
            stem[3] <= '9') {
            return true;
        }
    }
    return false;
}
} // namespace

std::optional<int> pictureOfFile(const std::string& fileName) {
    if (fileName.size() != NUMBER_DIGITS + std::strlen(PICTURE_EXTENSIONS[0])) {
        return std::nullopt;
    }
    int id = 0;
    for (std::size_t i = 0; i < NUMBER_DIGITS; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(fileName[i]))) {
            return std::nullopt;
        }
        id = id * 10 + (fileName[i] - '0');
    }
    const std::string extension = asciiLower(fileName.substr(NUMBER_DIGITS));
    for (const char* known : PICTURE_EXTENSIONS) {
        if (extension == known && id >= FIRST_SPRITE_ID && id <= LAST_SPRITE_ID) {
            return id;
        }
    }
    return std::nullopt;
}

std::string pngFileName(int id) {
    return std::to_string(id) + PICTURE_EXTENSIONS[0];
}

bool isPlainSetName(const std::string& name) {
    if (name.empty() || name.back() == '.' || name.back() == ' ' || isDeviceName(name)) {
        return false;
    }
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || std::strchr(REFUSED_CHARACTERS, c) != nullptr) {
            return false;
        }
    }
    return true;
}
