// "外觀", the notification icon's submenu of the rabbit's looks: the built-in pictures, each
// set in skins\, and the template's export.
#pragma once

#include <windows.h>

// A menu can show only so many; the first by name are listed.
constexpr int MOST_LISTED_SETS = 100;

// Inserts the submenu at `position` of `menu`, listing the sets there are now.
void insertSkinMenu(HMENU menu, UINT position);
// Runs one of the submenu's commands; false for any other command.
bool runSkinCommand(int command);
