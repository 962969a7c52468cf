// The rabbit on the monitors people have: the layout its walks use, a display change,
// and a second monitor. ctest runs the TwoMonitors suites again in a session with two.
#include <windows.h>

#include <string>
#include <vector>

#include "desktop/display_scale.h"
#include "desktop/running_state.h"
#include "life/adoption.h"
#include "rabbit/pet_record.h"
#include "save/save_image.h"
#include "win_test_support.h"
#include "windows/dialogs/status_dialog.h"
#include "windows/main_window.h"

namespace {
constexpr char NEEDS_TWO_MONITORS[] = "needs a second monitor; ctest runs it again on two";

bool inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string describe(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " to " +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom);
}

class MonitorsTest : public RabbitWindowTest {};
class TwoMonitorsTest : public RabbitWindowTest {};

// On one monitor or on two, where the other lies left of the main one.
TEST_F(TwoMonitorsTest, TheWalksKnowEveryMonitorAsTheSystemCountsThem) {
    ASSERT_NE(createRabbitWindow(), nullptr);
    ASSERT_EQ(monitors.size(), static_cast<std::size_t>(GetSystemMetrics(SM_CMONITORS)));
    EXPECT_EQ(monitors[0].left, 0);
    EXPECT_EQ(monitors[0].top, 0);
    EXPECT_EQ(monitors[0].right, screenWidth);
    EXPECT_EQ(monitors[0].bottom, screenHeight);
    // Together they span the virtual screen.
    RECT span = {0, 0, 0, 0};
    for (const ScreenRect& m : monitors) {
        const RECT rect = {m.left, m.top, m.right, m.bottom};
        UnionRect(&span, &span, &rect);
    }
    const int s = displayScale;
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    EXPECT_EQ(span.left, rabbitPixelsDown(left, s));
    EXPECT_EQ(span.top, rabbitPixelsDown(top, s));
    EXPECT_EQ(span.right, rabbitPixelsDown(left + GetSystemMetrics(SM_CXVIRTUALSCREEN), s));
    EXPECT_EQ(span.bottom, rabbitPixelsDown(top + GetSystemMetrics(SM_CYVIRTUALSCREEN), s));
}

// Unplugging the rabbit's monitor leaves it on none; a display change then brings it
// home at once, and the next save keeps that place.
TEST_F(MonitorsTest, ADisplayChangeBringsARabbitOnNoMonitorHome) {
    writeRabbitSave(200, 150);
    ASSERT_NE(createRabbitWindow(), nullptr);
    SendMessageW(mainWindow, WM_DISPLAYCHANGE, 32, 0);
    EXPECT_EQ(posX, 200);
    EXPECT_EQ(posY, 150);

    const int s = displayScale;
    posX = (GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN)) / s + 100;
    screenWidth = 1;
    SendMessageW(mainWindow, WM_DISPLAYCHANGE, 32, 0);
    EXPECT_EQ(screenWidth, GetSystemMetrics(SM_CXSCREEN) / s);
    EXPECT_EQ(posX, 500);
    EXPECT_EQ(posY, 300);
    EXPECT_EQ(rabbitWindowRect().left, 500 * s);
    EXPECT_EQ(rabbitWindowRect().top, 300 * s);
    const SaveImage saved = encodeSaveImage();
    EXPECT_EQ(saved[12] | saved[13] << 8, 500);
}

// Near the edge the other monitor shares with the main one, whatever opens from the
// rabbit opens whole on the rabbit's monitor.
TEST_F(TwoMonitorsTest, MenusBoxesAndDialogsOpenWholeOnTheRabbitsMonitor) {
    MONITORINFO other;
    if (!otherMonitor(other)) {
        GTEST_SKIP() << NEEDS_TWO_MONITORS;
    }
    const int s = displayScale;
    const bool leftOfMain = other.rcMonitor.right <= 0;
    const int x = leftOfMain ? rabbitPixelsDown(other.rcMonitor.right, s) - 70
                             : rabbitPixelsDown(other.rcMonitor.left, s) + 10;
    writeRabbitSave(x, rabbitPixelsDown(other.rcMonitor.top, s) + 100);
    ASSERT_NE(createRabbitWindow(), nullptr);
    // The menu opens at the cursor, which is over the rabbit.
    const RECT rabbit = rabbitWindowRect();
    SetCursorPos(rabbit.left + 20 * s, rabbit.top + 30 * s);
    std::vector<RECT> opened = {rightClickMenuRect(MK_RBUTTON)};
    boxes.onOpen = [&opened](HWND box) {
        RECT rect;
        GetWindowRect(box, &rect);
        opened.push_back(rect);
        // No to the adoption question, OK to the dialog.
        return opened.size() == 2 ? IDNO : IDOK;
    };
    commandAdopt();
    openStatusDialog(mainWindow);
    ASSERT_EQ(opened.size(), 3u) << boxes.describe();
    for (const RECT& rect : opened) {
        EXPECT_TRUE(inside(rect, other.rcWork))
            << describe(rect) << " on " << describe(other.rcWork);
    }
}
} // namespace
