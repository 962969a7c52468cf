// The settings dialog: start with Windows and feeding by itself.
#pragma once

#include <windows.h>

INT_PTR CALLBACK settingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void openSettingsDialog(HWND owner);
