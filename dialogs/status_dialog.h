// The status dialog: needs, age, renaming and the grade.
#pragma once

#include <windows.h>

void openStatusDialog(HWND owner);
