// The user's choices of varnok.ini, and the one place that changes them: each change is
// applied to the rabbit at once and its one line of the file written. What the file holds is kept
// apart from what is in effect: the rabbit may be drawn smaller than its remembered size
// where the screen does not offer that one, and ghost mode waits for a way back to the
// rabbit (the notification icon or the hotkey).
#pragma once

#include "preferences/preferences.h"

// Reads varnok.ini as the rabbit window is made; nothing is applied yet.
void loadChosenPreferences();
const Preferences& chosenPreferences();
// The size varnok.ini holds now (the smallest without the file): rabbit.dat counts the
// rabbit's place in its pixels, whatever size the rabbit is drawn at.
int sizeOnDisk();

// Each of these writes the file when the choice changes, and applies it.
void setGhostMode(bool on);
// The rabbit walks on windows from now on, or stops where it is.
void setPerching(bool on);
// A size the main monitor offers; the rabbit is redrawn with its feet in place.
void setRabbitSize(int size);
// False, with the old hotkey kept, when another program holds the keys.
bool setHotkey(const Hotkey& wanted);
// The rabbit speaks it from now on: its menu at once, every menu, dialog and box opened
// afterwards.
void setLanguage(Language language);
// The set's pictures on the rabbit at once (empty: the built-in ones), its files read afresh
// even when it is the one in use; false, with a box naming what is wrong and nothing
// changed, when the set cannot be used.
bool setSkin(const std::string& name);
