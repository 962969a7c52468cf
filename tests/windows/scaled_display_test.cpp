// The rabbit at the display's scale: every picture pixel a whole block of screen pixels,
// its world in rabbit pixels. ctest runs this suite at 96, 144 and 192 DPI, in a Wine
// prefix of each DPI (VARNOK_WINE_DPI names the one expected).
#include <windows.h>

#include <cstdlib>
#include <vector>

#include "animation/pose_table.h"
#include "animation/region_scan.h"
#include "animation/walking.h"
#include "desktop/desktop.h"
#include "desktop/display_scale.h"
#include "desktop/running_state.h"
#include "dialog_test_support.h"
#include "rabbit/grade.h"
#include "rabbit/pet_record.h"
#include "res/resource.h"
#include "save/save_image.h"
#include "win_test_support.h"
#include "windows/dialogs/status_dialog.h"
#include "windows/main_window.h"
#include "windows/sprite_bank.h"
#include "windows/wide_text.h"

namespace {
int expectedDpi() {
    const char* dpi = std::getenv("VARNOK_WINE_DPI");
    return dpi != nullptr ? std::atoi(dpi) : 96;
}

int systemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// The area of the picture's outline in its own pixels, as the row scan finds it.
long pictureOutlineArea(HBITMAP bitmap, SIZE size) {
    long area = 0;
    for (const RegionRect& rect : scanRegionRows(picturePixels(bitmap, size), size.cx, size.cy)) {
        area += (rect.right - rect.left) * (rect.bottom - rect.top);
    }
    return area;
}

class ScaledDisplayTest : public RabbitWindowTest {
  protected:
    int s = 0;
    void SetUp() override {
        RabbitWindowTest::SetUp();
        ASSERT_EQ(systemDpi(), expectedDpi()) << "the Wine prefix should hand out this DPI";
        resetProgramState();
        hasPet = 1;
        posX = 200;
        posY = 150;
        pet.food = pet.water = 80;
        writeSaveFile(encodeSaveImage());
        resetProgramState();
        ASSERT_NE(createRabbitWindow(), nullptr);
        s = displayScale;
        ASSERT_EQ(s, scaleForDpi(expectedDpi()));
    }
    void expectWindowAt(int x, int y, int width, int height) {
        const RECT rect = rabbitWindowRect();
        EXPECT_EQ(rect.left, x * s);
        EXPECT_EQ(rect.top, y * s);
        EXPECT_EQ(rect.right - rect.left, width * s);
        EXPECT_EQ(rect.bottom - rect.top, height * s);
    }
};

TEST_F(ScaledDisplayTest, EveryOutlineIsThePictureOutlineInWholeBlocks) {
    for (int id = FIRST_SPRITE_ID; id <= LAST_SPRITE_ID; ++id) {
        SCOPED_TRACE(id);
        const SpriteEntry* entry = spriteEntry(id);
        long area = 0;
        for (const RECT& rect : regionRects(entry->region)) {
            area += (rect.right - rect.left) * (rect.bottom - rect.top);
            EXPECT_TRUE(rect.left % s == 0 && rect.top % s == 0 && rect.right % s == 0 &&
                        rect.bottom % s == 0)
                << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
        }
        EXPECT_EQ(area, s * s * pictureOutlineArea(entry->bitmap, spriteSize(id)));
    }
}

TEST_F(ScaledDisplayTest, TheWindowStandsAtItsPlaceInItsSizeThroughFrameChanges) {
    expectWindowAt(200, 150, 60, 88);
    posX = 210;
    posY = 170;
    pose = 41;
    applySpriteRegion(144);
    UpdateWindow(mainWindow);
    expectWindowAt(210, 170, 98, 106);
    pose = 0;
    applySpriteRegion(STANDING_SPRITE);
    UpdateWindow(mainWindow);
    expectWindowAt(210, 170, 60, 88);
}

TEST_F(ScaledDisplayTest, ADragReadsBackRabbitPixelsAndLandsOnTheirGrid) {
    // Dropped one screen pixel past the grid, where there is one.
    if (!dragRabbit({200 * s + 30, 150 * s + 40}, 50 * s + 1, 30 * s + 1)) {
        GTEST_SKIP() << NO_MOUSE_INPUT;
    }
    pumpMessages(100);
    EXPECT_EQ(posX, rabbitPixelsOf(250 * s + 1, s));
    EXPECT_EQ(posY, rabbitPixelsOf(180 * s + 1, s));
    expectWindowAt(posX, posY, 60, 88);
}

TEST_F(ScaledDisplayTest, WalkingWrapsAtTheScreenEdgesInRabbitPixels) {
    EXPECT_EQ(screenWidth, GetSystemMetrics(SM_CXSCREEN) / s);
    EXPECT_EQ(screenHeight, GetSystemMetrics(SM_CYSCREEN) / s);
    posX = screenWidth - 10;
    stepWalkRight();
    UpdateWindow(mainWindow);
    expectWindowAt(0, 150, 63, 89);
    posX = -30;
    stepWalkLeft();
    UpdateWindow(mainWindow);
    EXPECT_EQ(posX, screenWidth - 5);
    EXPECT_EQ(rabbitWindowRect().left, (screenWidth - 5) * s);
}

using ScaledDialogTest = DialogTest;

TEST_F(ScaledDialogTest, TheGradePictureGrowsWithTheDialogInsideItsGroupBox) {
    const int dpi = systemDpi();
    ASSERT_EQ(dpi, expectedDpi());
    gradePoints.devilPoints = 600;
    gradePoints.angelPoints = 600;
    HWND dialog = openModeless(IDD_STATUS, statusDlgProc);
    SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(dialog);
    clickButton(dialog, IDC_SHOW_GRADE);

    HBITMAP devil = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_GRADE_DEVIL));
    BITMAP size = {};
    GetObjectW(devil, sizeof size, &size);
    const RECT picture = {MulDiv(285, dpi, 96), MulDiv(20, dpi, 96),
                          MulDiv(285 + size.bmWidth, dpi, 96), MulDiv(20 + size.bmHeight, dpi, 96)};

    // At a whole factor, the picture's corners are whole blocks of its corner pixels.
    if (dpi % 96 == 0) {
        HDC pictureDc = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(pictureDc, devil);
        HDC dialogDc = GetDC(dialog);
        const int k = dpi / 96;
        for (int i = 0; i < k; ++i) {
            EXPECT_EQ(GetPixel(dialogDc, picture.left + i, picture.top + i),
                      GetPixel(pictureDc, 0, 0));
            EXPECT_EQ(GetPixel(dialogDc, picture.right - 1 - i, picture.bottom - 1 - i),
                      GetPixel(pictureDc, size.bmWidth - 1, size.bmHeight - 1));
        }
        ReleaseDC(dialog, dialogDc);
        SelectObject(pictureDc, previous);
        DeleteDC(pictureDc);
    }
    DeleteObject(devil);

    // The box is laid out in the units of the dialog's font, the picture in pixels made for
    // the font the dialog asks for, 新細明體 (6 by 13 base units at 96 DPI), where (190, 12)
    // units are (285, 20) pixels. Another font on this Windows moves the box.
    RECT corner = {190, 12, 0, 0};
    MapDialogRect(dialog, &corner);
    if (std::abs(corner.left - picture.left) > 1 || std::abs(corner.top - picture.top) > 1) {
        closeModeless(dialog, IDOK);
        GTEST_SKIP() << "this Windows lays the dialog out in another font than the one it "
                        "is made for, so its group box stands elsewhere";
    }
    RECT frame = {};
    GetWindowRect(FindWindowExW(dialog, nullptr, L"Button", widen("兔子等級評定").c_str()), &frame);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&frame), 2);
    EXPECT_TRUE(picture.left > frame.left && picture.top > frame.top &&
                picture.right < frame.right && picture.bottom < frame.bottom)
        << "picture " << picture.left << "," << picture.top << "-" << picture.right << ","
        << picture.bottom << " in the box " << frame.left << "," << frame.top << "-" << frame.right
        << "," << frame.bottom;
    closeModeless(dialog, IDOK);
}
} // namespace
