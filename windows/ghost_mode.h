// Ghost mode: the rabbit half transparent, every click going through it to whatever lies
// beneath. It keeps living, animating and wandering.
#pragma once

#include <windows.h>

bool ghostModeOn();
// Gives the rabbit window ghost mode's styles or takes them away again; remembers the
// choice in the settings file.
void setGhostMode(bool on);
// The styles of the remembered choice on a new rabbit window, without writing anything.
void applyGhostMode(HWND window);
