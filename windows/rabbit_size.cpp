// Changing the rabbit's size: its scale, its outlines, its world and its place.
#include "windows/rabbit_size.h"

#include "desktop/desktop.h"
#include "desktop/running_state.h"
#include "preferences/preferences.h"
#include "preferences/size_rule.h"
#include "windows/main_window.h"
#include "windows/monitors.h"
#include "windows/preferences_file.h"
#include "windows/sprite_bank.h"

namespace {
void takeSize(int size) {
    preferences.size = size;
    displayScale = dpiScale * size;
}

void resize(int size) {
    const int oldScale = displayScale;
    takeSize(size);
    const int picture = shownPicture();
    const SIZE pictureSize = spriteSize(picture);
    const RabbitPoint feet =
        keepFeet({posX, posY}, pictureSize.cx, pictureSize.cy, oldScale, displayScale);
    posX = feet.x;
    posY = feet.y;
    readMonitors();
    rebuildSpriteRegions(mainWindow);
    placeWindow(mainWindow, posX, posY, pictureSize);
    applySpriteRegion(picture);
}
} // namespace

int rabbitSize() {
    return preferences.size;
}

bool rabbitSizeOffered(int size) {
    return sizeOffered(size, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                       dpiScale);
}

void setRabbitSize(int size) {
    if (size == rabbitSize() || !rabbitSizeOffered(size)) {
        return;
    }
    resize(size);
    savePreferences();
}

int takeRememberedSize() {
    const int remembered = preferences.size;
    takeSize(rabbitSizeOffered(remembered) ? remembered : SMALLEST_SIZE);
    return dpiScale * remembered;
}

void keepSizeOffered() {
    if (!rabbitSizeOffered(rabbitSize())) {
        resize(SMALLEST_SIZE);
    }
}
