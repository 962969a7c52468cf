// The rabbit in the notification area: the icon, its tooltip and its clicks, owned by a
// hidden window of its own, which also takes the hotkey. That window owns the icon's
// menu too, so that opening it never activates the rabbit.
#pragma once

#include <windows.h>

#include <shellapi.h>

// Null while no rabbit window exists.
extern HWND trayWindow;

// The hidden window's class; its title names the rabbit's folder (single_instance.h).
constexpr wchar_t TRAY_CLASS[] = L"VARNOK_TRAY";
// The icon's clicks, as the shell reports them to the hidden window.
constexpr UINT TRAY_ICON_MESSAGE = WM_APP + 1;
// Sent by a later start from the same folder: shows the rabbit, or its open dialog.
constexpr UINT SHOW_RABBIT_MESSAGE = WM_APP + 3;

// Every call to the shell's notification area goes through here: Shell_NotifyIconW, or a
// test's stand-in for a shell that has no notification area.
extern BOOL (*notifyIcon)(DWORD action, NOTIFYICONDATAW* data);

// Creates the hidden window; the icon follows once the message loop runs. Where there is
// no notification area yet, it is tried again for a while, and comes at the latest when
// one announces itself.
void startTrayIcon();
// Removes the icon and destroys the window.
void stopTrayIcon();
// The icon is in the notification area.
bool trayIconShown();
// The tooltip again, after a command that may have adopted or renamed the rabbit.
void refreshTrayTip();
