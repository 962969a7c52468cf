// The user's choices: read once, then changed, applied and written only here.
#include "windows/chosen_preferences.h"

#include "desktop/desktop.h"
#include "windows/ghost_mode.h"
#include "windows/hotkey.h"
#include "windows/main_window.h"
#include "windows/perch_watch.h"
#include "windows/preferences_file.h"
#include "windows/rabbit_menu.h"
#include "windows/rabbit_size.h"
#include "windows/skin_choice.h"
#include "windows/tray_icon.h"

namespace {
Preferences chosen;
int sizeInFile = SMALLEST_SIZE;

// Takes a new value of one setting, puts it in effect and writes its line of the file; true
// once the file holds it. Nothing when the setting has that value already.
template <typename Value, typename Apply>
bool change(const char* key, Value Preferences::*setting, const Value& value, Apply apply) {
    if (chosen.*setting == value) {
        return false;
    }
    chosen.*setting = value;
    apply();
    return writePreference(key, preferenceText(value));
}
} // namespace

void loadChosenPreferences() {
    chosen = readPreferencesFile();
    sizeInFile = chosen.size;
}

const Preferences& chosenPreferences() {
    return chosen;
}

int sizeOnDisk() {
    return sizeInFile;
}

void setGhostMode(bool on) {
    change(GHOST_KEY, &Preferences::ghost, on, [] { updateGhostMode(mainWindow); });
}

void setPerching(bool on) {
    change(PERCH_KEY, &Preferences::perch, on, [on] { walkOnWindows(on); });
}

void setRabbitSize(int size) {
    // rabbit.dat follows a new size in varnok.ini at once: the next start reads the place in
    // that size's pixels.
    if (rabbitSizeOffered(size) &&
        change(SIZE_KEY, &Preferences::size, size, [size] { drawRabbitAt(size); })) {
        sizeInFile = size;
        saveState();
    }
}

bool setHotkey(const Hotkey& wanted) {
    if (!registerHotkey(trayWindow, wanted)) {
        return false;
    }
    change(HOTKEY_KEY, &Preferences::hotkey, wanted, [] {});
    // Without the icon, the hotkey may be the only way back to a ghost rabbit.
    updateGhostMode(mainWindow);
    return true;
}

// Choosing the language Windows asks for is a choice too: it stays when Windows changes.
void setLanguage(Language language) {
    change(LANGUAGE_KEY, &Preferences::language, std::optional<Language>(language), [language] {
        setCurrentLanguage(language);
        reloadRabbitMenu();
    });
}

bool setSkin(const std::string& name) {
    if (!wearSkin(name)) {
        return false;
    }
    change(SKIN_KEY, &Preferences::skin, name, [] {});
    return true;
}
