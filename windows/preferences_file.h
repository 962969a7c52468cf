// varnok.ini beside the save file: read once at start, written whole when the user
// changes a setting. It is never needed: without it every setting has its default.
#pragma once

// Reads the file into `preferences`; a missing, unreadable or garbled file leaves the
// defaults, without a word, and stays as it is.
void loadPreferences();
// Writes `preferences` whole: a new file beside the old one, swapped in; a failure is
// reported in a box and leaves the old file as it was.
void savePreferences();
