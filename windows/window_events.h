// Hooks on other programs' window events, heard on the rabbit's own thread.
#pragma once

#include <windows.h>

// A hook on one range of events of one thread of another process, out of context. Wine
// hooks another process's threads only all together: there it hooks the whole process.
HWINEVENTHOOK hookWindowEvents(DWORD first, DWORD last, DWORD process, DWORD thread,
                               WINEVENTPROC onEvent);
// Removes a hook, if there is one, and forgets it.
void unhook(HWINEVENTHOOK& hook);
