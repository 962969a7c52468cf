// Start-up of the rabbit: the window's two strings, its class and the window itself.
#pragma once

#include <windows.h>

constexpr int WINDOW_TEXT_CHARS = 100;

extern wchar_t windowTitle[WINDOW_TEXT_CHARS];
extern wchar_t windowClassName[WINDOW_TEXT_CHARS];

// The program is system-DPI aware: the screen's DPI is the system's, the same on every
// monitor, and Windows leaves the drawing to it.
int systemDpi();

void loadWindowStrings(HINSTANCE instance);
void registerMainClass(HINSTANCE instance);
// 1 when the window exists, 0 when its creation failed.
int initMainWindow(HINSTANCE instance, int showCommand);
