// Ghost mode and hiding: the rabbit lets clicks through and comes back as it was; a hidden
// rabbit shows itself with its boxes and dialogs.
#include <windows.h>

#include "desktop/desktop.h"
#include "save_test_files.h"
#include "win_test_support.h"
#include "windows/chosen_preferences.h"
#include "windows/dialogs/status_dialog.h"
#include "windows/main_window.h"
#include "windows/rabbit_visibility.h"

namespace {
int clicksBelow;

LRESULT CALLBACK belowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) {
        ++clicksBelow;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A plain window of another program's kind where the rabbit stands, below it.
HWND windowBelow(const RECT& area) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = belowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"VarnokTestBelow";
    RegisterClassW(&windowClass);
    HWND below = CreateWindowExW(0, windowClass.lpszClassName, L"below", WS_POPUP | WS_VISIBLE,
                                 area.left - 50, area.top - 50, area.right - area.left + 100,
                                 area.bottom - area.top + 100, nullptr, nullptr,
                                 windowClass.hInstance, nullptr);
    SetWindowPos(mainWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return below;
}

std::string preferencesFileText() {
    return readFileBytes(preferencesFileInTestFolder());
}

using GhostModeTest = RabbitWindowTest;
} // namespace

TEST_F(GhostModeTest, ClicksGoThroughAndTheSpecifiedStylesComeBack) {
    ASSERT_NE(createRabbitWindow(), nullptr);
    const LONG_PTR styles = GetWindowLongPtrW(mainWindow, GWL_EXSTYLE);
    EXPECT_EQ(styles & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TRANSPARENT),
              WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
    const POINT belly = rabbitBelly();
    HWND below = windowBelow(rabbitWindowRect());
    pumpMessages(100);
    ASSERT_EQ(WindowFromPoint(belly), mainWindow);

    setGhostMode(true);
    pumpMessages(100);
    EXPECT_EQ(GetWindowLongPtrW(mainWindow, GWL_EXSTYLE),
              styles | WS_EX_LAYERED | WS_EX_TRANSPARENT);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(mainWindow, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 128);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
    EXPECT_EQ(WindowFromPoint(belly), below);
    clicksBelow = 0;
    const bool clicked = clickAt(belly);
    pumpMessages(200);
    EXPECT_EQ(preferencesFileText(), "[varnok]\r\nghost=1\r\n");

    setGhostMode(false);
    pumpMessages(100);
    EXPECT_EQ(GetWindowLongPtrW(mainWindow, GWL_EXSTYLE), styles);
    EXPECT_EQ(WindowFromPoint(belly), mainWindow);
    EXPECT_EQ(preferencesFileText(), "[varnok]\r\nghost=0\r\n");
    DestroyWindow(below);
    if (!clicked) {
        GTEST_SKIP() << NO_MOUSE_INPUT;
    }
    EXPECT_EQ(clicksBelow, 1) << "the click went to the rabbit, not through it";
}

TEST_F(GhostModeTest, AHiddenRabbitShowsItselfWithItsBoxesAndDialogsInItsPlace) {
    ASSERT_NE(createRabbitWindow(), nullptr);
    const RECT place = rabbitWindowRect();
    hideRabbit();
    ASSERT_TRUE(rabbitHidden());
    bool shownWithBox = false;
    boxes.onOpen = [&](HWND) {
        shownWithBox = IsWindowVisible(mainWindow) != FALSE;
        return 0;
    };
    showReport("報告", "varnok");
    EXPECT_TRUE(shownWithBox);
    EXPECT_EQ(rabbitWindowRect().left, place.left);
    EXPECT_EQ(rabbitWindowRect().top, place.top);

    hideRabbit();
    shownWithBox = false;
    openStatusDialog(mainWindow);
    EXPECT_TRUE(shownWithBox);
    toggleRabbitHidden();
    EXPECT_TRUE(rabbitHidden());
    toggleRabbitHidden();
    EXPECT_FALSE(rabbitHidden());
}
