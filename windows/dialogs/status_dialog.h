// The status dialog: needs, age, renaming and the grade.
#pragma once

#include <windows.h>

INT_PTR CALLBACK statusDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void openStatusDialog(HWND owner);
