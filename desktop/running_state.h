// Running state of the rabbit window shared by the shell and the sequences; none of it
// is saved except the position.
#pragma once

#include <cstdint>

extern int32_t screenWidth;
extern int32_t screenHeight;
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
