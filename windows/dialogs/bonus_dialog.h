// The hidden bonus dialog behind the about box's icon: the points and free stock.
#pragma once

#include <windows.h>

INT_PTR CALLBACK bonusDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void openBonusDialog(HWND parent);
