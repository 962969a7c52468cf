// Ghost mode: the rabbit half transparent, every click going through it to whatever lies
// beneath. It keeps living, animating and wandering.
#pragma once

#include <windows.h>

// Gives the rabbit window ghost mode's styles while ghost mode is chosen and a way back to
// the rabbit exists, the notification icon or the hotkey, and takes them away otherwise:
// without one, nothing would reach a ghost rabbit again until the program ends.
void updateGhostMode(HWND window);
