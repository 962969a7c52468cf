// varnok.ini beside the save file: read once at start, written whole when the user
// changes a setting.
#pragma once

// Reads the file into `preferences`; a missing or unreadable file leaves the defaults.
// A size the main monitor does not offer falls back to the smallest.
void loadPreferences();
// Writes `preferences` whole, swapping a new file in; a failure is reported in a box.
void savePreferences();
