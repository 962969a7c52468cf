// The items dialog: the stock of carrots and water bottles.
#pragma once

#include <windows.h>

void openItemsDialog(HWND owner);
