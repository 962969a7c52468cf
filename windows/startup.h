// Start-up of the rabbit: the window's two strings, its class and the window itself.
#pragma once

#include <windows.h>

constexpr int WINDOW_TEXT_CHARS = 100;

extern wchar_t windowTitle[WINDOW_TEXT_CHARS];
extern wchar_t windowClassName[WINDOW_TEXT_CHARS];

void loadWindowStrings(HINSTANCE instance);
void registerMainClass(HINSTANCE instance);
// 1 when the window exists, 0 when its creation failed.
int initMainWindow(HINSTANCE instance, int showCommand);
