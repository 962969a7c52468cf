// The about box with its link and, behind the program icon, the bonus dialog.
#pragma once

#include <windows.h>

INT_PTR CALLBACK aboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void openAboutDialog(HWND owner);
