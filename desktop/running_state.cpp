// Running state of the rabbit window.
#include "desktop/running_state.h"

int32_t screenWidth;
int32_t screenHeight;
std::vector<ScreenRect> monitors;
int32_t posX;
int32_t posY;
int32_t freeMode;
int32_t sleeping;
int32_t activeAnimTimer;

void resetRunningState() {
    screenWidth = 0;
    screenHeight = 0;
    monitors.clear();
    posX = 0;
    posY = 0;
    freeMode = 0;
    sleeping = 0;
    activeAnimTimer = 0;
}
