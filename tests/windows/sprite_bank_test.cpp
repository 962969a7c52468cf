// The sprite bank on the real pictures: outlines cut from the pixels, copies handed to
// the window, and frames painted from the window's top-left corner.
#include <windows.h>

#include <vector>

#include "animation/pose_table.h"
#include "animation/region_scan.h"
#include "desktop/desktop.h"
#include "desktop/running_state.h"
#include "win_test_support.h"
#include "windows/main_window.h"
#include "windows/sprite_bank.h"

namespace {
constexpr COLORREF PURE_GREEN = RGB(0, 255, 0);

// Covered pixels of a region over a w x h area with a one-pixel margin all round, so
// that anything outside the picture counts too.
std::vector<bool> coveredPixels(HRGN region, SIZE size) {
    std::vector<bool> covered;
    for (int y = -1; y <= size.cy; ++y) {
        for (int x = -1; x <= size.cx; ++x) {
            covered.push_back(PtInRegion(region, x, y) != FALSE);
        }
    }
    return covered;
}

HRGN regionOfRects(const std::vector<RegionRect>& rects) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    for (const RegionRect& rect : rects) {
        HRGN part = CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom);
        CombineRgn(region, region, part, RGN_OR);
        DeleteObject(part);
    }
    return region;
}

std::vector<bool> windowShape(SIZE size) {
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(mainWindow, shape);
    std::vector<bool> covered = coveredPixels(shape, size);
    DeleteObject(shape);
    return covered;
}

class SpriteBankTest : public RabbitWindowTest {
  protected:
    void SetUp() override {
        RabbitWindowTest::SetUp();
        ASSERT_NE(createRabbitWindow(), nullptr);
    }
};

TEST_F(SpriteBankTest, EveryOutlineCoversExactlyThePixelsTheRowScanFinds) {
    for (int id = FIRST_SPRITE_ID; id <= LAST_SPRITE_ID; ++id) {
        SCOPED_TRACE(id);
        const SpriteEntry* entry = spriteEntry(id);
        ASSERT_NE(entry->bitmap, nullptr);
        const SIZE size = spriteSize(id);
        const std::vector<uint32_t> pixels = picturePixels(entry->bitmap, size);
        EXPECT_EQ(pixels[0], PURE_GREEN) << "the background key must be pure green";
        HRGN expected = regionOfRects(scanRegionRows(pixels, size.cx, size.cy));
        EXPECT_EQ(coveredPixels(entry->region, size), coveredPixels(expected, size));
        DeleteObject(expected);

        HRGN rebuilt = buildRegionFromBitmap(mainWindow, entry->bitmap);
        EXPECT_EQ(coveredPixels(rebuilt, size), coveredPixels(entry->region, size));
        DeleteObject(rebuilt);
    }
}

TEST_F(SpriteBankTest, NoOutlineShowsAnyOfTheGreenBackground) {
    for (int id = FIRST_SPRITE_ID; id <= LAST_SPRITE_ID; ++id) {
        SCOPED_TRACE(id);
        const SpriteEntry* entry = spriteEntry(id);
        const SIZE size = spriteSize(id);
        const std::vector<uint32_t> pixels = picturePixels(entry->bitmap, size);
        int opaque = 0;
        for (int y = 0; y < size.cy; ++y) {
            for (int x = 0; x < size.cx; ++x) {
                if (PtInRegion(entry->region, x, y)) {
                    EXPECT_NE(pixels[static_cast<std::size_t>(y * size.cx + x)], PURE_GREEN)
                        << "at " << x << "," << y;
                    ++opaque;
                }
            }
        }
        EXPECT_GT(opaque, size.cx * size.cy / 5) << "the rabbit fills a fair part of its picture";
    }
}

TEST_F(SpriteBankTest, CreationShapesTheWindowToTheStandingRabbit) {
    const SIZE size = spriteSize(STANDING_SPRITE);
    EXPECT_EQ(windowShape(size), coveredPixels(spriteEntry(STANDING_SPRITE)->region, size));
}

TEST_F(SpriteBankTest, TheWindowGetsACopyAndTheMasterStaysAsItWas) {
    const SIZE size = spriteSize(155);
    HRGN master = spriteEntry(155)->region;
    const std::vector<bool> before = coveredPixels(master, size);
    applySpriteRegion(155);
    EXPECT_EQ(coveredPixels(master, size), before);
    EXPECT_EQ(windowShape(size), before);

    SetRectRgn(master, 0, 0, 2, 2);
    EXPECT_EQ(windowShape(size), before) << "changing the master must not reshape the window";
}

TEST_F(SpriteBankTest, ALargerFrameGrowsFromTheTopLeftCorner) {
    posX = 210;
    posY = 170;
    pose = 41;
    applySpriteRegion(144);
    UpdateWindow(mainWindow);
    RECT rect = rabbitWindowRect();
    EXPECT_EQ(rect.left, 210);
    EXPECT_EQ(rect.top, 170);
    EXPECT_EQ(rect.right - rect.left, 98);
    EXPECT_EQ(rect.bottom - rect.top, 106);

    pose = 0;
    applySpriteRegion(STANDING_SPRITE);
    UpdateWindow(mainWindow);
    rect = rabbitWindowRect();
    EXPECT_EQ(rect.left, 210);
    EXPECT_EQ(rect.top, 170);
    EXPECT_EQ(rect.right - rect.left, 60);
    EXPECT_EQ(rect.bottom - rect.top, 88);
}

TEST_F(SpriteBankTest, APoseWithoutAPictureNeitherMovesNorResizesTheWindow) {
    const RECT before = rabbitWindowRect();
    posX = 40;
    posY = 40;
    pose = 80;
    subPose = 101;
    InvalidateRect(mainWindow, nullptr, TRUE);
    UpdateWindow(mainWindow);
    const RECT after = rabbitWindowRect();
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(after.bottom, before.bottom);
}

TEST_F(SpriteBankTest, DestroyingTheWindowReleasesEveryHandle) {
    EXPECT_TRUE(destroyRabbitWindow());
    for (const SpriteEntry& entry : spriteBank.entries) {
        EXPECT_EQ(entry.bitmap, nullptr);
        EXPECT_EQ(entry.region, nullptr);
    }
}
} // namespace
