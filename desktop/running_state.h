// Running state of the rabbit window shared by the shell and the sequences; none of it
// is saved except the position.
#pragma once

#include <cstdint>
#include <vector>

#include "desktop/screen_rect.h"

// The main monitor's size in rabbit pixels.
extern int32_t screenWidth;
extern int32_t screenHeight;
// Every monitor in rabbit pixels, the main one at (0, 0), as the shell read them at
// start-up or at the last display change; empty until then.
extern std::vector<ScreenRect> monitors;
// The window's top-left corner; every paint moves the window here.
extern int32_t posX;
extern int32_t posY;
// Non-zero while free activity (wandering) is on.
extern int32_t freeMode;
// Non-zero from the sleep command until the rabbit wakes.
extern int32_t sleeping;
// The one movement timer running in free mode; a right click stops it and the
// mouse handlers re-arm it.
extern int32_t activeAnimTimer;

void resetRunningState();
