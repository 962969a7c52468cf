// The user's choices: read once, then changed, applied and written only here.
#include "windows/chosen_preferences.h"

#include "desktop/desktop.h"
#include "windows/ghost_mode.h"
#include "windows/hotkey.h"
#include "windows/main_window.h"
#include "windows/preferences_file.h"
#include "windows/rabbit_size.h"
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

// Takes a new value of one setting and writes the file; false when it had that value.
template <typename Value> bool remember(Value Preferences::*setting, const Value& value) {
    if (chosen.*setting == value) {
        return false;
    }
    chosen.*setting = value;
    writeChosen();
    return true;
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
    if (remember(&Preferences::ghost, on)) {
        updateGhostMode(mainWindow);
    }
}

void setRabbitSize(int size) {
    if (rabbitSizeOffered(size) && remember(&Preferences::size, size)) {
        drawRabbitAt(size);
    }
}

bool setHotkey(const Hotkey& wanted) {
    if (!registerHotkey(trayWindow, wanted)) {
        return false;
    }
    remember(&Preferences::hotkey, wanted);
    // Without the icon, the hotkey may be the only way back to a ghost rabbit.
    updateGhostMode(mainWindow);
    return true;
}
