// The rabbit window: the shell's globals and its window procedure.
#pragma once

#include <windows.h>

extern HINSTANCE appInstance;
// Null while WM_CREATE runs; code called from there uses the handle the message carries.
extern HWND mainWindow;
extern HCURSOR linkCursor;
extern HCURSOR dragCursor;
extern HMENU menuBar;
extern HMENU popupMenu;
// The display's whole factor, taken from the system's DPI at start-up.
extern int dpiScale;
// Screen pixels per rabbit pixel: the display's factor times the rabbit's size.
extern int displayScale;

LRESULT CALLBACK mainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
