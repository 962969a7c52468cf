// Which language the rabbit speaks: the one chosen in varnok.ini, else the one Windows'
// display language asks for, and a new choice from the notification icon's menu.
#pragma once

#include "language/language.h"

// At creation, once the settings file has been read and before any menu is loaded.
void speakChosenLanguage();
// Speaks `language` from now on: the rabbit's menu at once, every menu, dialog and box
// opened afterwards; and remembers it in the settings file.
void switchLanguage(Language language);
