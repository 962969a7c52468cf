// Which language the rabbit speaks at start: the one chosen in varnok.ini, else the one
// Windows' display language asks for. A new choice goes through setLanguage
// (chosen_preferences.h).
#pragma once

// At creation, once the settings file has been read and before any menu is loaded.
void speakChosenLanguage();
