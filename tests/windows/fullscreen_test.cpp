// The rabbit steps behind another program's fullscreen window and comes back on top when
// that window leaves fullscreen or closes. Judged by the z-order Windows keeps (the
// order EnumWindows lists and the topmost style): without a window manager Wine's X
// stacking does not follow the topmost band.
#include <windows.h>

#include <dwmapi.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "desktop/display_scale.h"
#include "desktop/running_state.h"
#include "fullscreen_stand_in/stand_in.h"
#include "win_test_support.h"
#include "windows/main_window.h"
#include "windows/wide_text.h"

namespace {

// Windows keeps some windows visible while it hides them from the screen (the Start
// window of Windows Server 2022, for one); where it cannot say, a window is not cloaked.
bool cloaked(HWND window) {
    DWORD cloak = 0;
    return SUCCEEDED(DwmGetWindowAttribute(window, DWMWA_CLOAKED, &cloak, sizeof cloak)) &&
           cloak != 0;
}

BOOL CALLBACK collectShown(HWND window, LPARAM list) {
    if (IsWindowVisible(window) && !cloaked(window)) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    }
    return TRUE;
}

std::vector<HWND> shownFrontToBack() {
    std::vector<HWND> windows;
    EnumWindows(collectShown, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool topmost(HWND window) {
    return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

bool ours(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process == GetCurrentProcessId();
}

// In front as far as the rabbit decides it: topmost, before the film and every other
// window of this process. The shell keeps bands of its own above all topmost windows, and
// Explorer may raise its taskbar in the same moment the rabbit raises itself, so the
// windows of other programs may stand before it in either order.
bool rabbitInFront(HWND film) {
    const std::vector<HWND> windows = shownFrontToBack();
    const auto rabbit = std::find(windows.begin(), windows.end(), mainWindow);
    return rabbit != windows.end() && topmost(mainWindow) &&
           std::none_of(windows.begin(), rabbit,
                        [&](HWND window) { return window == film || ours(window); });
}

bool rabbitBehind(HWND other) {
    const std::vector<HWND> windows = shownFrontToBack();
    const auto rabbit = std::find(windows.begin(), windows.end(), mainWindow);
    const auto front = std::find(windows.begin(), windows.end(), other);
    return front < rabbit && rabbit != windows.end() && !topmost(mainWindow);
}

std::string describeZOrder() {
    std::string order = "front to back:";
    for (HWND window : shownFrontToBack()) {
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        order += " " + narrow(name) + (topmost(window) ? "(topmost)" : "");
    }
    return order;
}

// The stand-in program; it may take the foreground wherever this program may.
class StandIn : public HelperProgram {
  public:
    bool start() {
        AllowSetForegroundWindow(ASFW_ANY);
        return HelperProgram::start(L"varnok_fullscreen_stand_in.exe");
    }
};

constexpr char FOREGROUND_KEPT[] = "Windows kept the foreground from the stand-in (another "
                                   "window holds it), and the rabbit steps aside only for "
                                   "the foreground window";

// Waits for the stand-in's window and its word on whether it took the foreground.
bool waitForFilm(HWND& film, INT_PTR& foreground) {
    return pumpUntil([&] {
        film = FindWindowW(STAND_IN_CLASS, nullptr);
        foreground =
            film != nullptr ? reinterpret_cast<INT_PTR>(GetPropW(film, FOREGROUND_ANSWER)) : 0;
        return foreground != 0;
    });
}

class FullscreenTest : public RabbitWindowTest {};
class TwoMonitorsFullscreenTest : public RabbitWindowTest {};

TEST_F(FullscreenTest, TheRabbitStandsBehindAFullscreenWindowUntilItLeavesFullscreenOrCloses) {
    ASSERT_NE(createRabbitWindow(), nullptr);
    ASSERT_TRUE(rabbitInFront(nullptr)) << describeZOrder();
    StandIn standIn;
    ASSERT_TRUE(standIn.start());
    HWND film = nullptr;
    INT_PTR foreground = 0;
    ASSERT_TRUE(waitForFilm(film, foreground));
    if (foreground == FOREGROUND_REFUSED) {
        GTEST_SKIP() << FOREGROUND_KEPT;
    }
    ASSERT_TRUE(pumpUntil([&] { return rabbitBehind(film); })) << describeZOrder();
    EXPECT_EQ(GetForegroundWindow(), film);

    // Maximised with a caption: it covers the screen, yet the rabbit is back in front.
    PostMessageW(film, WM_APP, 0, 0);
    EXPECT_TRUE(pumpUntil([&] { return rabbitInFront(film); })) << describeZOrder();
    PostMessageW(film, WM_APP, 0, 0);
    EXPECT_TRUE(pumpUntil([&] { return rabbitBehind(film); })) << describeZOrder();

    PostMessageW(film, WM_CLOSE, 0, 0);
    EXPECT_TRUE(pumpUntil([&] { return standIn.ended() && rabbitInFront(nullptr); }))
        << describeZOrder();
}

// The stand-in fills the main monitor: a rabbit on the other one stays on top, and steps
// behind the film once it comes onto the film's monitor.
TEST_F(TwoMonitorsFullscreenTest, AFilmOnOneMonitorLeavesTheRabbitOnTheOtherOnTop) {
    MONITORINFO other;
    if (!otherMonitor(other)) {
        GTEST_SKIP() << "needs a second monitor; ctest runs it again on two";
    }
    const int s = displayScale;
    writeRabbitSave(rabbitPixelsDown(other.rcMonitor.left, s) + 100,
                    rabbitPixelsDown(other.rcMonitor.top, s) + 100);
    ASSERT_NE(createRabbitWindow(), nullptr);
    StandIn standIn;
    ASSERT_TRUE(standIn.start());
    HWND film = nullptr;
    INT_PTR foreground = 0;
    ASSERT_TRUE(waitForFilm(film, foreground));
    if (foreground == FOREGROUND_REFUSED) {
        GTEST_SKIP() << FOREGROUND_KEPT;
    }
    pumpMessages(500);
    EXPECT_TRUE(rabbitInFront(film)) << describeZOrder();

    posX = 200;
    posY = 150;
    InvalidateRect(mainWindow, nullptr, FALSE);
    EXPECT_TRUE(pumpUntil([&] { return rabbitBehind(film); })) << describeZOrder();
}
} // namespace
