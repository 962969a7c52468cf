// varnok.ini beside the save file: read once at start, one line of it changed when the user
// changes a setting. It is never needed: without it every setting has its default.
#pragma once

#include "preferences/preferences.h"

// What the file holds; a missing, unreadable or garbled file gives the defaults, without
// a word, and stays as it is.
Preferences readPreferencesFile();
// Sets one key in the file as it is now, every other byte kept (the user may have edited it
// meanwhile): a new file beside the old one, swapped in. False after a failure, which is
// reported in a box and leaves the old file as it was.
bool writePreference(const char* key, const std::string& value);
