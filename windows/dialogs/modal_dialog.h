// What every dialog of the program shares: how it is opened, where it stands and how it
// is closed.
#pragma once

#include <windows.h>

#include "language/texts.h"
#include "windows/language_resources.h"
#include "windows/main_window.h"
#include "windows/rabbit_visibility.h"

// Modal, from the program's own templates in the language spoken now. A hidden rabbit shows
// itself with its dialogs.
inline void runModalDialog(int templateId, HWND owner, DLGPROC procedure) {
    if (owner == mainWindow) {
        showRabbit();
    }
    DialogBoxIndirectParamW(appInstance, dialogTemplateInLanguage(templateId), owner, procedure, 0);
}

// Moves the dialog, as it opens, whole onto the work area of its owner's monitor: its
// template places it beside the rabbit, which near a monitor's edge may be on the next
// monitor or across the join. A dialog without an owner stays where it is.
void placeOnOwnersMonitor(HWND dialog);

// While one of the program's boxes or dialogs is open, brings the one that takes the input
// to the front with the focus, and says so; false when none is open. Owned by a hidden
// window, the hotkey dialog has no taskbar button to bring it back once it falls behind.
bool raiseOpenDialog();

// A warning box over the dialog, under its caption: why a click could not do what it asked.
void warnOver(HWND dialog, TextId why);

// OK, and Cancel for the Esc key and the close box: both end a dialog alike.
inline bool isCloseCommand(WPARAM wParam) {
    return LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL;
}
