// The sprite bank: loading, outlining, painting and releasing the rabbit's pictures.
#include "sprite/sprite_bank.h"

#include <cstdint>
#include <vector>

#include "app/app_state.h"
#include "app/desktop.h"
#include "app/main_window.h"
#include "sprite/pose_table.h"
#include "sprite/region_scan.h"

SpriteBank spriteBank;

namespace {
HRGN emptyRegion() {
    return CreateRectRgn(0, 0, 0, 0);
}

SIZE bitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    GetObjectW(bitmap, sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

HRGN copyRegion(HRGN master) {
    HRGN copy = emptyRegion();
    CombineRgn(copy, copy, master, RGN_OR);
    return copy;
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
        entry->bitmap = LoadBitmapW(instance, MAKEINTRESOURCEW(id));
    }
}

void buildSpriteRegions(HWND window) {
    for (int id : regionBuildOrder) {
        SpriteEntry* entry = spriteEntry(id);
        entry->region = buildRegionFromBitmap(window, entry->bitmap);
    }
}

void releaseSpriteBank() {
    for (SpriteEntry& entry : spriteBank.entries) {
        DeleteObject(entry.region);
        entry.region = nullptr;
    }
    for (SpriteEntry& entry : spriteBank.entries) {
        DeleteObject(entry.bitmap);
        entry.bitmap = nullptr;
    }
}

HRGN buildRegionFromBitmap(HWND window, HBITMAP bitmap) {
    HDC windowDc = GetDC(window);
    const SIZE size = bitmapSize(bitmap);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    HGDIOBJ previous = SelectObject(memoryDc, bitmap);

    std::vector<uint32_t> pixels(static_cast<std::size_t>(size.cx) *
                                 static_cast<std::size_t>(size.cy));
    std::size_t next = 0;
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            pixels[next++] = GetPixel(memoryDc, x, y);
        }
    }
    // Deselect so the bank's bitmap can be selected into other DCs later.
    SelectObject(memoryDc, previous);
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);

    HRGN outline = emptyRegion();
    for (const RegionRect& rect : scanRegionRows(pixels, size.cx, size.cy)) {
        HRGN row = CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom);
        CombineRgn(outline, outline, row, RGN_OR);
        DeleteObject(row);
    }
    HRGN fresh = copyRegion(outline);
    DeleteObject(outline);
    return fresh;
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

void paintPose(HWND window, HDC dc) {
    SpriteEntry* entry = spriteEntry(bitmapForPose(pose, subPose));
    if (entry == nullptr || entry->bitmap == nullptr) {
        return;
    }
    const SIZE size = bitmapSize(entry->bitmap);
    HDC memoryDc = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memoryDc, entry->bitmap);
    BitBlt(dc, 0, 0, size.cx, size.cy, memoryDc, 0, 0, SRCCOPY);
    // The top-left corner anchors every frame: a larger picture grows right and down.
    MoveWindow(window, posX, posY, size.cx, size.cy, TRUE);
    SelectObject(memoryDc, previous);
    DeleteDC(memoryDc);
}
