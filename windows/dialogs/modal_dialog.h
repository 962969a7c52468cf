// What every dialog of the program shares: how it is opened and how it is closed.
#pragma once

#include <windows.h>

#include "windows/main_window.h"

// Modal, from the program's own templates.
inline void runModalDialog(int templateId, HWND owner, DLGPROC procedure) {
    DialogBoxParamW(appInstance, MAKEINTRESOURCEW(templateId), owner, procedure, 0);
}

// OK, and Cancel for the Esc key and the close box: both end a dialog alike.
inline bool isCloseCommand(WPARAM wParam) {
    return LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL;
}
