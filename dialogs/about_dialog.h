// The about box with its link and, behind the program icon, the bonus dialog.
#pragma once

#include <windows.h>

void openAboutDialog(HWND owner);
