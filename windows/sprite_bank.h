// The rabbit's 34 pictures with their master outlines, and painting the current pose.
#pragma once

#include <windows.h>

#include "animation/sprite_ids.h"

struct SpriteEntry {
    int resourceId;
    HBITMAP bitmap;
    HRGN region; // the master outline; the window only ever gets copies of it
};

struct SpriteBank {
    SpriteEntry entries[SPRITE_COUNT];
};

extern SpriteBank spriteBank;

// The entry keyed by a bitmap resource id 133 ... 166, or null for any other id.
SpriteEntry* spriteEntry(int resourceId);
SIZE spriteSize(int resourceId);

// Loads the bitmaps in the start-up order.
void loadSpriteBitmaps(HINSTANCE instance);
// Cuts every master outline in the creation order; `window` only lends a screen DC.
void buildSpriteRegions(HWND window);
// Cuts them again at a new scale, deleting the old ones.
void rebuildSpriteRegions(HWND window);
// Deletes the regions, then the bitmaps.
void releaseSpriteBank();

// Every pixel that differs from the top-left pixel's colour, as a fresh region in screen
// pixels: each picture pixel a displayScale x displayScale block.
HRGN buildRegionFromBitmap(HWND window, HBITMAP bitmap);

// Puts the window at (x, y) in a picture's size, both given in rabbit pixels.
void placeWindow(HWND window, int x, int y, SIZE size);
// Draws the picture of pose/subPose and puts the window at posX/posY in its size.
void paintPose(HWND window, HDC dc);
