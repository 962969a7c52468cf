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

// rabbit.dat follows a new size in varnok.ini at once: the next start reads the place in
// that size's pixels.
void writeChosen() {
    if (!writePreferencesFile(chosen) || sizeInFile == chosen.size) {
        return;
    }
    sizeInFile = chosen.size;
    saveState();
}

// Takes a new value of one setting, puts it in effect and writes the whole file; nothing
// when the setting has that value already.
template <typename Value, typename Apply>
void change(Value Preferences::*setting, const Value& value, Apply apply) {
    if (chosen.*setting == value) {
        return;
    }
    chosen.*setting = value;
    apply();
    writeChosen();
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
    change(&Preferences::ghost, on, [] { updateGhostMode(mainWindow); });
}

void setPerching(bool on) {
    change(&Preferences::perch, on, [on] { walkOnWindows(on); });
}

void setRabbitSize(int size) {
    if (rabbitSizeOffered(size)) {
        change(&Preferences::size, size, [size] { drawRabbitAt(size); });
    }
}

bool setHotkey(const Hotkey& wanted) {
    if (!registerHotkey(trayWindow, wanted)) {
        return false;
    }
    change(&Preferences::hotkey, wanted, [] {});
    // Without the icon, the hotkey may be the only way back to a ghost rabbit.
    updateGhostMode(mainWindow);
    return true;
}

// Choosing the language Windows asks for is a choice too: it stays when Windows changes.
void setLanguage(Language language) {
    change(&Preferences::language, std::optional<Language>(language), [language] {
        setCurrentLanguage(language);
        reloadRabbitMenu();
    });
}

bool setSkin(const std::string& name) {
    if (!wearSkin(name)) {
        return false;
    }
    change(&Preferences::skin, name, [] {});
    return true;
}
