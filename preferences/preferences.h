// What the user chose: the rabbit's size, ghost mode, the hotkey, the language and the picture
// set. They live in varnok.ini beside the save file, never in the save file itself.
#pragma once

#include <optional>
#include <string>

#include "language/language.h"
#include "preferences/hotkey.h"

constexpr int SMALLEST_SIZE = 1;
constexpr int LARGEST_SIZE = 3;

struct Preferences {
    // Screen pixels per rabbit pixel on top of the display's whole factor, where the main
    // monitor offers it; rabbit.dat counts the rabbit's place in this size's pixels.
    int size = SMALLEST_SIZE;
    // Clicks go through the half-transparent rabbit.
    bool ghost = false;
    Hotkey hotkey;
    // None: the one Windows' display language asks for.
    std::optional<Language> language;
    // The folder under skins\ of the pictures drawn instead of the built-in ones; empty for
    // the built-in pictures. Kept as written even while the set cannot be used. (Initialised
    // here, so that settings written in braces without it stay complete.)
    std::string skin = std::string();
    // The rabbit walks on the tops of other windows and on the taskbar.
    bool perch = false;
};

// The file's text, UTF-8: a [varnok] section with size=, ghost=, perch=, hotkey=, language= and
// skin=.
// Keys and names in any case; anything unknown, malformed or out of range leaves that setting at
// its default; text that is not UTF-8 leaves them all there.
Preferences parsePreferences(const std::string& text);
// The whole file, CRLF line ends; perch= only while the rabbit walks on windows, language= only
// once a language has been chosen, skin= only while a set is chosen (an absent or empty skin=
// reads as the built-in pictures).
std::string preferencesText(const Preferences& chosen);
