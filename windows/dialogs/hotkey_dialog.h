// The hotkey dialog: the keys that hide and show the rabbit, or none.
#pragma once

#include <windows.h>

INT_PTR CALLBACK hotkeyDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void openHotkeyDialog(HWND owner);
