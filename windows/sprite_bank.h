// The rabbit's 34 pictures with their master outlines, and painting the current pose.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <vector>

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

// A set's pictures by id from FIRST_SPRITE_ID; a null one stands for the built-in picture.
using SpritePictures = std::array<HBITMAP, SPRITE_COUNT>;

// The entry keyed by a bitmap resource id 133 ... 166, or null for any other id.
SpriteEntry* spriteEntry(int resourceId);
SIZE spriteSize(int resourceId);

// Loads the bitmaps in the start-up order.
void loadSpriteBitmaps(HINSTANCE instance);
// One built-in picture, fresh from the program's resources.
HBITMAP loadBuiltInPicture(HINSTANCE instance, int resourceId);
// Puts a set's pictures in the bank in place of those it holds, the built-in one where the set
// has none; the bank owns them from here on. The outlines are the caller's to cut again.
void replaceSpriteBitmaps(const SpritePictures& pictures);
// Cuts every master outline in the creation order; `window` only lends a screen DC.
void buildSpriteRegions(HWND window);
// Cuts them again at a new scale, deleting the old ones.
void rebuildSpriteRegions(HWND window);
// Deletes the regions, then the bitmaps.
void releaseSpriteBank();

SIZE bitmapSize(HBITMAP bitmap);
// The form in which the program reads and makes pictures' pixels: 32 bits each, the top row
// first.
BITMAPINFO topDownColourFormat(int width, int height);
// A picture's colours, 0x00RRGGBB row by row from the top.
std::vector<uint32_t> bitmapColours(HBITMAP bitmap);

// Every pixel that differs from the top-left pixel's colour, as a fresh region in screen
// pixels: each picture pixel a displayScale x displayScale block.
HRGN buildRegionFromBitmap(HWND window, HBITMAP bitmap);

// Puts the window at (x, y) in a picture's size, both given in rabbit pixels.
void placeWindow(HWND window, int x, int y, SIZE size);
// Draws the picture of pose/subPose and puts the window at posX/posY in its size.
void paintPose(HWND window, HDC dc);
