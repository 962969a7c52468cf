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

// The keys of the file's [varnok] section.
constexpr char SIZE_KEY[] = "size";
constexpr char GHOST_KEY[] = "ghost";
constexpr char PERCH_KEY[] = "perch";
constexpr char HOTKEY_KEY[] = "hotkey";
constexpr char LANGUAGE_KEY[] = "language";
constexpr char SKIN_KEY[] = "skin";

// The file's text, UTF-8: a [varnok] section with size=, ghost=, perch=, hotkey=, language= and
// skin=.
// Keys and names in any case, a key written twice counting the first time; anything unknown,
// malformed or out of range leaves that setting at its default; text that is not UTF-8 leaves
// them all there.
Preferences parsePreferences(const std::string& text);

// A setting's value as the file writes it: a number, 0 or 1, the hotkey's or the language's
// name (empty for none), the picture set's folder (empty for the built-in pictures).
std::string preferenceText(int size);
std::string preferenceText(bool on);
std::string preferenceText(const Hotkey& hotkey);
std::string preferenceText(const std::optional<Language>& language);
std::string preferenceText(const std::string& skin);

// The file's text with one setting's line changed, or added, and every other byte kept. A text
// that is not UTF-8, of which nothing could be read, gives way to a [varnok] section of that one
// line, so that the change is read at the next start.
std::string preferencesTextWith(const std::string& text, const char* key, const std::string& value);
