// The sprite bank: loading, outlining, painting and releasing the rabbit's pictures.
#include "windows/sprite_bank.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "animation/perching.h"
#include "animation/picture_outlines.h"
#include "animation/pose_table.h"
#include "animation/region_scan.h"
#include "desktop/desktop.h"
#include "desktop/running_state.h"
#include "windows/main_window.h"

SpriteBank spriteBank;

namespace {
HRGN emptyRegion() {
    return CreateRectRgn(0, 0, 0, 0);
}

void deleteSpriteRegions() {
    for (SpriteEntry& entry : spriteBank.entries) {
        DeleteObject(entry.region);
        entry.region = nullptr;
    }
}

HRGN copyRegion(HRGN master) {
    HRGN copy = emptyRegion();
    CombineRgn(copy, copy, master, RGN_OR);
    return copy;
}

// The picture's colours row by row from the top, in one read. The bitmap must not be
// selected into a device context meanwhile.
std::vector<uint32_t> readPixels(HDC dc, HBITMAP bitmap, SIZE size) {
    BITMAPINFO format = topDownColourFormat(size.cx, size.cy);
    std::vector<uint32_t> pixels(static_cast<std::size_t>(size.cx) *
                                 static_cast<std::size_t>(size.cy));
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), &format, DIB_RGB_COLORS);
    // Only red, green and blue tell colours apart; the fourth byte carries nothing.
    for (uint32_t& pixel : pixels) {
        pixel &= 0x00FFFFFF;
    }
    return pixels;
}

// The scan's rectangles, each multiplied by the display scale, made into one region in a
// single call; the empty ones of lone pixels add nothing and are left out.
HRGN regionOfRects(const std::vector<RegionRect>& rects, int scale) {
    std::vector<RECT> scaled;
    RECT bounds = {0, 0, 0, 0};
    for (const RegionRect& rect : rects) {
        if (rect.left >= rect.right) {
            continue;
        }
        const RECT r = {rect.left * scale, rect.top * scale, rect.right * scale,
                        rect.bottom * scale};
        UnionRect(&bounds, &bounds, &r);
        scaled.push_back(r);
    }
    if (scaled.empty()) {
        return emptyRegion();
    }
    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + scaled.size() * sizeof(RECT));
    RGNDATAHEADER header = {};
    header.dwSize = sizeof header;
    header.iType = RDH_RECTANGLES;
    header.nCount = static_cast<DWORD>(scaled.size());
    header.rcBound = bounds;
    std::memcpy(data.data(), &header, sizeof header);
    std::memcpy(data.data() + sizeof header, scaled.data(), scaled.size() * sizeof(RECT));
    return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                           reinterpret_cast<const RGNDATA*>(data.data()));
}

// The outline's rectangles in the picture's own pixels.
std::vector<RegionRect> outlineRects(HWND window, HBITMAP bitmap) {
    HDC windowDc = GetDC(window);
    const SIZE size = bitmapSize(bitmap);
    const std::vector<uint32_t> pixels = readPixels(windowDc, bitmap, size);
    ReleaseDC(window, windowDc);
    return scanRegionRows(pixels, size.cx, size.cy);
}
} // namespace

SpriteEntry* spriteEntry(int resourceId) {
    if (resourceId < FIRST_SPRITE_ID || resourceId > LAST_SPRITE_ID) {
        return nullptr;
    }
    return &spriteBank.entries[resourceId - FIRST_SPRITE_ID];
}

SIZE spriteSize(int resourceId) {
    return bitmapSize(spriteEntry(resourceId)->bitmap);
}

void loadSpriteBitmaps(HINSTANCE instance) {
    for (int id : spriteLoadOrder) {
        SpriteEntry* entry = spriteEntry(id);
        entry->resourceId = id;
        entry->bitmap = loadBuiltInPicture(instance, id);
    }
}

HBITMAP loadBuiltInPicture(HINSTANCE instance, int resourceId) {
    // Kept in the pictures' own 16 or 256 colours: converted to the screen's depth, the 34 of
    // them took five times as long to load and up to eight times the memory.
    return static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0,
                                           0, LR_CREATEDIBSECTION));
}

void replaceSpriteBitmaps(const SpritePictures& pictures) {
    for (int id = FIRST_SPRITE_ID; id <= LAST_SPRITE_ID; ++id) {
        SpriteEntry* entry = spriteEntry(id);
        HBITMAP drawn = pictures[static_cast<std::size_t>(id - FIRST_SPRITE_ID)];
        DeleteObject(entry->bitmap);
        entry->bitmap = drawn != nullptr ? drawn : loadBuiltInPicture(appInstance, id);
    }
}

// The outlines' bounds tell where the rabbit's feet are while it walks on windows.
void buildSpriteRegions(HWND window) {
    for (int id : regionBuildOrder) {
        SpriteEntry* entry = spriteEntry(id);
        const std::vector<RegionRect> rects = outlineRects(window, entry->bitmap);
        const SIZE size = bitmapSize(entry->bitmap);
        recordOutline(id, rects, size.cx, size.cy);
        entry->region = regionOfRects(rects, displayScale);
    }
}

void rebuildSpriteRegions(HWND window) {
    deleteSpriteRegions();
    buildSpriteRegions(window);
}

void releaseSpriteBank() {
    deleteSpriteRegions();
    for (SpriteEntry& entry : spriteBank.entries) {
        DeleteObject(entry.bitmap);
        entry.bitmap = nullptr;
    }
}

SIZE bitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    GetObjectW(bitmap, sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

BITMAPINFO topDownColourFormat(int width, int height) {
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return format;
}

std::vector<uint32_t> bitmapColours(HBITMAP bitmap) {
    HDC screen = GetDC(nullptr);
    std::vector<uint32_t> pixels = readPixels(screen, bitmap, bitmapSize(bitmap));
    ReleaseDC(nullptr, screen);
    return pixels;
}

HRGN buildRegionFromBitmap(HWND window, HBITMAP bitmap) {
    return regionOfRects(outlineRects(window, bitmap), displayScale);
}

void applySpriteRegion(int bitmapId) {
    SpriteEntry* entry = spriteEntry(bitmapId);
    if (entry == nullptr) {
        return;
    }
    // The window owns the copy from here on; the master stays with the bank.
    SetWindowRgn(mainWindow, copyRegion(entry->region), TRUE);
    InvalidateRect(mainWindow, nullptr, TRUE);
}

void placeWindow(HWND window, int x, int y, SIZE size) {
    const int s = displayScale;
    MoveWindow(window, x * s, y * s, size.cx * s, size.cy * s, TRUE);
}

void paintPose(HWND window, HDC dc) {
    SpriteEntry* entry = spriteEntry(bitmapForPose(pose, subPose));
    if (entry == nullptr || entry->bitmap == nullptr) {
        return;
    }
    const SIZE size = bitmapSize(entry->bitmap);
    HDC memoryDc = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memoryDc, entry->bitmap);
    // Every picture pixel becomes a block of one colour: nothing is blended at any scale.
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, size.cx * displayScale, size.cy * displayScale, memoryDc, 0, 0, size.cx,
               size.cy, SRCCOPY);
    // The top-left corner anchors every frame: a larger picture grows right and down; on
    // windows, the feet stay on their row.
    keepFeetOnTheirRow();
    placeWindow(window, posX, posY, size);
    SelectObject(memoryDc, previous);
    DeleteDC(memoryDc);
}
