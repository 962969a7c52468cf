// The GDI and USER objects of this process, counted so that growth shows under Wine,
// whose GetGuiResources answers 0.
#pragma once

#include <windows.h>

struct GuiObjects {
    DWORD gdiReported; // what GetGuiResources says
    DWORD userReported;
    int gdi;
    int windows;
    int menus;
    int iconsAndCursors;

    int user() const { return windows + menus + iconsAndCursors; }
};

GuiObjects countGuiObjects();
// True when fifty new brushes raise the count by fifty and deleting them restores it.
bool probeSeesObjects();
