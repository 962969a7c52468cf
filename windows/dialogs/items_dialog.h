// The items dialog: the stock of carrots and water bottles.
#pragma once

#include <windows.h>

INT_PTR CALLBACK itemsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void openItemsDialog(HWND owner);
