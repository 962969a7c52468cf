// The hotkey that hides and shows the rabbit, registered on the notification icon's
// window, which receives its WM_HOTKEY.
#pragma once

#include <windows.h>

#include "preferences/hotkey.h"

// Registers the chosen hotkey at start-up. Keys another program holds by now stay
// unregistered without a word; the hotkey dialog then says they are taken.
void registerHotkeyAtStart(HWND window, const Hotkey& chosen);
// Swaps the registered hotkey for `wanted` (none: no hotkey). False when another program
// holds those keys: the old hotkey is then registered again.
bool registerHotkey(HWND window, const Hotkey& wanted);
void unregisterHotkey(HWND window);
bool hotkeyRegistered();
// The chosen hotkey is not registered because another program holds its keys.
bool hotkeyTaken();
