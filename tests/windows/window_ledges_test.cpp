// Other programs' windows as the rabbit reads them to walk on: which ones the desk holds, with
// which frames, and the window events that make the rabbit look again. The windows are a
// stand-in program's; DWM, which Wine does not answer, is stood in for here.
#include <windows.h>

#include <dwmapi.h>

#include <algorithm>
#include <cwchar>

#include "win_test_support.h"
#include "windows/main_window.h"
#include "windows/monitors.h"
#include "windows/window_ledges.h"

namespace {
constexpr wchar_t STAND_IN[] = L"varnok_window_stand_in.exe";
constexpr int INSET = 7;

std::wstring titleOf(HWND window) {
    wchar_t title[32] = {};
    GetWindowTextW(window, title, 32);
    return title;
}

// Cloaks the window titled "cloaked"; every visible frame lies INSET pixels inside the window's
// rectangle, as the invisible resize borders of Windows 10 and 11 have it.
HRESULT WINAPI dwmStandIn(HWND window, DWORD attribute, PVOID value, DWORD size) {
    if (attribute == DWMWA_CLOAKED && size == sizeof(DWORD)) {
        *static_cast<DWORD*>(value) = titleOf(window) == L"cloaked" ? DWM_CLOAKED_SHELL : 0;
        return S_OK;
    }
    if (attribute == DWMWA_EXTENDED_FRAME_BOUNDS && size == sizeof(RECT)) {
        RECT frame;
        GetWindowRect(window, &frame);
        *static_cast<RECT*>(value) = {frame.left + INSET, frame.top, frame.right - INSET,
                                      frame.bottom - INSET};
        return S_OK;
    }
    return E_NOTIMPL;
}

class WindowLedgesTest : public RabbitWindowTest {
  protected:
    void TearDown() override {
        stopWatchingWindows();
        readWindowAttribute = DwmGetWindowAttribute;
        RabbitWindowTest::TearDown();
    }
    // Opens a stand-in window titled `name` at a place, and waits until it shows.
    HWND open(HelperProgram& program, const wchar_t* name, int x, int y) {
        const std::wstring arguments = std::wstring(L"open ") + name + L" " + std::to_wstring(x) +
                                       L" " + std::to_wstring(y) + L" 300 200";
        HWND window = nullptr;
        if (program.start(STAND_IN, arguments)) {
            pumpUntil([&] {
                window = FindWindowW(L"VarnokWindowStandIn", name);
                return window != nullptr && IsWindowVisible(window);
            });
        }
        return window;
    }
    static bool command(const wchar_t* verb, const wchar_t* name) {
        return HelperProgram::run(STAND_IN, std::wstring(verb) + L" " + name) == 0;
    }
};

const DeskWindow* onDesk(const Desk& desk, HWND window) {
    const auto found =
        std::find_if(desk.windows.begin(), desk.windows.end(), [&](const DeskWindow& w) {
            return w.id == reinterpret_cast<uintptr_t>(window);
        });
    return found != desk.windows.end() ? &*found : nullptr;
}

int looks;
LRESULT CALLBACK countLooks(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        looks += 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
} // namespace

TEST_F(WindowLedgesTest, TheDeskHoldsOtherProgramsWindowsTheUserSeesWithTheirVisibleFrames) {
    ASSERT_NE(createRabbitWindow(), nullptr);
    HelperProgram plain, maximised, minimised, hidden, cloaked;
    HWND plainWindow = open(plain, L"plain", 200, 400);
    HWND maximisedWindow = open(maximised, L"maximised", 250, 300);
    HWND minimisedWindow = open(minimised, L"minimised", 300, 200);
    HWND hiddenWindow = open(hidden, L"hidden", 350, 100);
    HWND cloakedWindow = open(cloaked, L"cloaked", 400, 450);
    ASSERT_TRUE(plainWindow && maximisedWindow && minimisedWindow && hiddenWindow && cloakedWindow);
    ASSERT_TRUE(command(L"maximise", L"maximised"));
    ASSERT_TRUE(command(L"minimise", L"minimised"));
    ASSERT_TRUE(command(L"hide", L"hidden"));
    readWindowAttribute = dwmStandIn;

    const Desk desk = readDesk();
    const DeskWindow* seen = onDesk(desk, plainWindow);
    ASSERT_NE(seen, nullptr);
    RECT frame;
    dwmStandIn(plainWindow, DWMWA_EXTENDED_FRAME_BOUNDS, &frame, sizeof frame);
    const ScreenRect expected = inRabbitPixels(frame);
    EXPECT_EQ(seen->frame.left, expected.left);
    EXPECT_EQ(seen->frame.top, expected.top);
    EXPECT_EQ(seen->frame.right, expected.right);
    EXPECT_EQ(seen->frame.bottom, expected.bottom);
    EXPECT_TRUE(seen->offersLedge);
    // Maximised, it covers what lies behind it but holds no rabbit.
    ASSERT_NE(onDesk(desk, maximisedWindow), nullptr);
    EXPECT_FALSE(onDesk(desk, maximisedWindow)->offersLedge);
    for (HWND unseen : {minimisedWindow, hiddenWindow, cloakedWindow, mainWindow}) {
        EXPECT_EQ(onDesk(desk, unseen), nullptr) << titleOf(unseen).size();
    }
    ASSERT_FALSE(desk.monitors.empty());
    EXPECT_EQ(desk.monitors[0].area.left, 0);
    EXPECT_EQ(desk.monitors[0].area.top, 0);
}

TEST_F(WindowLedgesTest, AnotherProgramsWindowEventsMakeTheRabbitLookAgain) {
    WNDCLASSW sinkClass = {};
    sinkClass.lpfnWndProc = countLooks;
    sinkClass.hInstance = GetModuleHandleW(nullptr);
    sinkClass.lpszClassName = L"VarnokLookSink";
    RegisterClassW(&sinkClass);
    HWND sink = CreateWindowExW(0, sinkClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                nullptr, sinkClass.hInstance, nullptr);
    watchWindows(sink, WM_APP);
    HelperProgram editor;
    HWND window = open(editor, L"editor", 200, 400);
    ASSERT_NE(window, nullptr);
    // Shown, hidden, or moved while the rabbit stands on it: each asks for one look.
    for (const wchar_t* verb : {L"hide", L"show", L"move"}) {
        pumpMessages(50);
        readDesk();
        looks = 0;
        if (std::wcscmp(verb, L"move") == 0) {
            followWindow(reinterpret_cast<uintptr_t>(window));
            ASSERT_EQ(HelperProgram::run(STAND_IN, L"move editor 300 450 300 200"), 0);
        } else {
            ASSERT_TRUE(command(verb, L"editor"));
        }
        EXPECT_TRUE(pumpUntil([] { return looks > 0; })) << "no look after " << verb[0];
        EXPECT_EQ(looks, 1);
    }
    DestroyWindow(sink);
}

TEST_F(WindowLedgesTest, StandingStillTheRabbitSeesWhetherItsWindowMovedOrWasCovered) {
    HelperProgram editor, cover;
    HWND window = open(editor, L"editor", 200, 400);
    ASSERT_NE(window, nullptr);
    const Desk desk = readDesk();
    const DeskWindow* under = onDesk(desk, window);
    ASSERT_NE(under, nullptr);
    const Ledge ledge = {under->id, under->frame.top, under->frame};
    const Footing at = {under->frame.left + 30, under->frame.top - 1};
    EXPECT_TRUE(standsAsBefore(desk, ledge, at));
    // Another window in front of the edge under the rabbit's middle, then gone again.
    ASSERT_NE(
        open(cover, L"cover", at.middle * displayScale - 20, under->frame.top * displayScale - 20),
        nullptr);
    EXPECT_FALSE(standsAsBefore(desk, ledge, at));
    ASSERT_TRUE(command(L"close", L"cover"));
    EXPECT_TRUE(pumpUntil([&] { return standsAsBefore(desk, ledge, at); }));
    ASSERT_EQ(HelperProgram::run(STAND_IN, L"move editor 210 400 300 200"), 0);
    EXPECT_FALSE(standsAsBefore(desk, ledge, at));
}
