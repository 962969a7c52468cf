// The rabbit at each size the screen offers: every picture pixel a whole block, the
// outline with it, its world shrunk, and the feet kept through a change. ctest runs it on
// a screen large enough for every size, at 96 and at 192 DPI.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "animation/sprite_ids.h"
#include "desktop/running_state.h"
#include "preferences/preferences.h"
#include "win_test_support.h"
#include "windows/chosen_preferences.h"
#include "windows/main_window.h"
#include "windows/rabbit_size.h"
#include "windows/sprite_bank.h"

namespace {
long regionArea(HRGN region, int blockSize, bool& onGrid) {
    long area = 0;
    for (const RECT& r : regionRects(region)) {
        area += (r.right - r.left) * (r.bottom - r.top);
        onGrid = onGrid && r.left % blockSize == 0 && r.top % blockSize == 0 &&
                 r.right % blockSize == 0 && r.bottom % blockSize == 0;
    }
    return area;
}

// The middle of the window's bottom edge, in screen pixels.
POINT feet() {
    const RECT rect = rabbitWindowRect();
    return {(rect.left + rect.right) / 2, rect.bottom};
}

using RabbitSizeTest = RabbitWindowTest;
} // namespace

TEST_F(RabbitSizeTest, EverySizeOfferedDrawsWholeBlocksAndKeepsTheFeet) {
    ASSERT_NE(createRabbitWindow(), nullptr);
    const SIZE standing = spriteSize(STANDING_SPRITE);
    bool onGrid = true;
    const long pictureArea =
        regionArea(spriteEntry(STANDING_SPRITE)->region, 1, onGrid) / (displayScale * displayScale);
    int largest = SMALLEST_SIZE;
    for (int size = LARGEST_SIZE; size >= SMALLEST_SIZE; --size) {
        if (!rabbitSizeOffered(size)) {
            continue;
        }
        largest = std::max(largest, size);
        SCOPED_TRACE(size);
        const POINT before = feet();
        setRabbitSize(size);
        pumpMessages(50);
        const int s = dpiScale * size;
        ASSERT_EQ(displayScale, s);
        const RECT rect = rabbitWindowRect();
        EXPECT_EQ(rect.left, posX * s);
        EXPECT_EQ(rect.top, posY * s);
        EXPECT_EQ(rect.right - rect.left, standing.cx * s);
        EXPECT_EQ(rect.bottom - rect.top, standing.cy * s);
        EXPECT_LE(std::abs(feet().x - before.x), s / 2 + dpiScale);
        EXPECT_LE(std::abs(feet().y - before.y), s / 2 + dpiScale);
        onGrid = true;
        EXPECT_EQ(regionArea(spriteEntry(STANDING_SPRITE)->region, s, onGrid), pictureArea * s * s);
        EXPECT_TRUE(onGrid);
        EXPECT_EQ(screenWidth, GetSystemMetrics(SM_CXSCREEN) / s);
        HRGN shape = CreateRectRgn(0, 0, 0, 0);
        GetWindowRgn(mainWindow, shape);
        EXPECT_EQ(regionArea(shape, s, onGrid), pictureArea * s * s);
        DeleteObject(shape);
    }
    if (largest < LARGEST_SIZE) {
        GTEST_SKIP() << "this main monitor (" << GetSystemMetrics(SM_CXSCREEN) << " x "
                     << GetSystemMetrics(SM_CYSCREEN) << ") offers sizes up to " << largest
                     << " only; the larger ones need " << 560 * dpiScale * LARGEST_SIZE << " x "
                     << 388 * dpiScale * LARGEST_SIZE;
    }
}
