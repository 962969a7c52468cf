// The notification icon's menu: hide, ghost mode, walking on windows, size, the hotkey, the
// language, the rabbit's looks, the rabbit's own menu and exit.
#pragma once

#include <windows.h>

// Positions of the languages, the rabbit's looks, and "主選單", the rabbit's own menu, the
// very same menu with its states.
constexpr int TRAY_LANGUAGE_POSITION = 5;
constexpr int TRAY_SKIN_POSITION = 6;
constexpr int TRAY_MAIN_MENU_POSITION = 8;
constexpr int TRAY_EXIT_POSITION = 10;

// Built afresh for each opening, with the states of that moment.
HMENU createTrayMenu();
// Takes the rabbit's own menu out again first, so that it outlives this one.
void destroyTrayMenu(HMENU menu);
// Opens the menu at a point on the screen for `owner`, the icon's hidden window, and runs
// the chosen command.
void openTrayMenu(HWND owner, POINT at);
