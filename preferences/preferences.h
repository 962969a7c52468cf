// What the user chose to keep the rabbit out of the way: its size, ghost mode and the
// hotkey. They live in varnok.ini beside the save file, never in the save file itself.
#pragma once

#include <string>

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
};

// The file's text, UTF-8: a [varnok] section with size=, ghost= and hotkey=. Keys and
// names in any case; anything unknown, malformed or out of range leaves that setting at
// its default; text that is not UTF-8 leaves them all there.
Preferences parsePreferences(const std::string& text);
// The whole file, CRLF line ends.
std::string preferencesText(const Preferences& chosen);
