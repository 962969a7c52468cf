// Changing the rabbit's size: its scale, its outlines, its world and its place.
#include "windows/rabbit_size.h"

#include "animation/pose_table.h"
#include "desktop/desktop.h"
#include "desktop/running_state.h"
#include "preferences/preferences.h"
#include "windows/main_window.h"
#include "windows/monitors.h"
#include "windows/perch_watch.h"
#include "windows/sprite_bank.h"

namespace {
int drawnSize = SMALLEST_SIZE;

int sizeToDraw(int chosen) {
    return rabbitSizeOffered(chosen) ? chosen : SMALLEST_SIZE;
}

void takeSize(int size) {
    drawnSize = size;
    displayScale = dpiScale * size;
}

RabbitPoint standingFeetKept(RabbitPoint at, int fromSize, int toSize) {
    const SIZE standing = spriteSize(STANDING_SPRITE);
    return keepFeet(at, standing.cx, standing.cy, fromSize, toSize);
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
    perchAtNewScale();
    placeWindow(mainWindow, posX, posY, pictureSize);
    applySpriteRegion(picture);
}
} // namespace

int rabbitSize() {
    return drawnSize;
}

bool rabbitSizeOffered(int size) {
    return sizeOffered(size, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                       dpiScale);
}

void startAtSize(int chosen) {
    takeSize(sizeToDraw(chosen));
}

void drawRabbitAt(int chosen) {
    const int size = sizeToDraw(chosen);
    if (size != drawnSize) {
        resize(size);
    }
}

RabbitPoint placeInPixelsOf(int size) {
    const RabbitPoint place = {posX, posY};
    return size == drawnSize ? place : standingFeetKept(place, drawnSize, size);
}

void placeFromPixelsOf(int size) {
    if (size != drawnSize) {
        const RabbitPoint drawn = standingFeetKept({posX, posY}, size, drawnSize);
        posX = drawn.x;
        posY = drawn.y;
    }
}
