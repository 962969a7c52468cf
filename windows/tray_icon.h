// The rabbit in the notification area: the icon, its tooltip and its clicks, owned by a
// hidden window of its own, which also takes the hotkey. That window owns the icon's
// menu too, so that opening it never activates the rabbit.
#pragma once

#include <windows.h>

// Null while no rabbit window exists.
extern HWND trayWindow;

// Creates the hidden window; the icon follows once the message loop runs. Where there is
// no notification area yet, it comes when one announces itself.
void startTrayIcon();
// Removes the icon and destroys the window.
void stopTrayIcon();
// The tooltip again, after a command that may have adopted or renamed the rabbit.
void refreshTrayTip();
