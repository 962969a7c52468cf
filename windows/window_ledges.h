// Other programs' windows as ledges for the rabbit: the ones the user sees, with their
// visible frames in z-order and the monitors' work areas, in rabbit pixels; and the window
// events that say when they change.
#pragma once

#include <windows.h>

#include <cstdint>

#include "perch/ledges.h"

// Reads the desk as it is now: every monitor with its work area, the main one first, and the
// windows of other programs that show on the screen, front to back. A minimised, hidden or
// cloaked window shows nothing, nor does a click-through overlay, a floating captionless tool
// window (a tooltip, a menu) or a film filling its monitor; a maximised window covers what
// lies behind it but offers no ledge.
Desk readDesk();

// Whether a look now would find the rabbit standing as it stood at the last look, `desk`: the
// same monitors and work areas, and its window in the same place with nothing in front of it
// under the rabbit's middle. A few calls where a look reads every window.
bool standsAsBefore(const Desk& desk, const Ledge& ledge, const Footing& at);

// From now on posts `message` to `window` when another program's window closes, is minimised
// or restored, shown, hidden, reordered, cloaked, or has been moved by the user; a burst of
// events posts one message until the next readDesk.
void watchWindows(HWND window, UINT message);
void stopWatchingWindows();
// Also every move and resize of this window (a desk window's id), as it happens; 0 for none.
// The moves of all windows would wake the rabbit on every move of the mouse pointer too.
void followWindow(uint64_t id);

// DwmGetWindowAttribute, which a test may stand in for.
using WindowAttributeReader = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);
extern WindowAttributeReader readWindowAttribute;
