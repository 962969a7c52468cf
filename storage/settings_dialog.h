// The settings dialog: start with Windows and feeding by itself.
#pragma once

#include <windows.h>

void openSettingsDialog(HWND owner);
