// Start-up as the entry does it: the class, the window's styles and texts, the cursors
// and the accelerators.
#include <windows.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "win_test_support.h"
#include "windows/main_window.h"
#include "windows/startup.h"

namespace {
class StartupTest : public RabbitWindowTest {
  protected:
    void SetUp() override {
        RabbitWindowTest::SetUp();
        ASSERT_NE(createRabbitWindow(), nullptr);
    }
};

TEST_F(StartupTest, TheWindowIsABorderlessTopmostToolWindowNamedFromTheStringTable) {
    EXPECT_STREQ(windowTitle, L"varnok");
    EXPECT_STREQ(windowClassName, L"VARNOK");
    wchar_t text[32] = {};
    GetWindowTextW(mainWindow, text, 32);
    EXPECT_STREQ(text, L"varnok");
    GetClassNameW(mainWindow, text, 32);
    EXPECT_STREQ(text, L"VARNOK");

    const LONG_PTR style = GetWindowLongPtrW(mainWindow, GWL_STYLE);
    EXPECT_EQ(style & ~(WS_VISIBLE | WS_CLIPSIBLINGS), WS_POPUP);
    EXPECT_TRUE(style & WS_VISIBLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(mainWindow, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
}

TEST_F(StartupTest, TheClassTakesDoubleClicksAndCarriesTheProgramsIconsAndCursor) {
    EXPECT_EQ(GetClassLongPtrW(mainWindow, GCL_STYLE),
              ULONG_PTR{CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS});
    EXPECT_NE(GetClassLongPtrW(mainWindow, GCLP_HICON), 0u);
    EXPECT_NE(GetClassLongPtrW(mainWindow, GCLP_HICONSM), 0u);
    EXPECT_NE(GetClassLongPtrW(mainWindow, GCLP_HCURSOR), 0u);
    EXPECT_EQ(GetClassLongPtrW(mainWindow, GCLP_HBRBACKGROUND), ULONG_PTR{COLOR_WINDOW + 1});
    EXPECT_NE(linkCursor, nullptr);
    EXPECT_NE(dragCursor, nullptr);
    EXPECT_NE(linkCursor, dragCursor);
}

TEST_F(StartupTest, AltWithQuestionMarkOrSlashOpensTheAboutBox) {
    HACCEL accelerators =
        LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_ACCELERATORS));
    ASSERT_NE(accelerators, nullptr);
    ASSERT_EQ(CopyAcceleratorTableW(accelerators, nullptr, 0), 2);
    // Wine reads Alt from the thread's key state, Windows from the message's context bit.
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_MENU] = 0x80;
    SetKeyboardState(keys);
    for (wchar_t key : {L'?', L'/'}) {
        SCOPED_TRACE(static_cast<char>(key));
        const std::size_t before = boxes.seen.size();
        // A character typed with Alt arrives as WM_SYSCHAR with the context bit set.
        constexpr LPARAM ALT_CONTEXT = LPARAM{1} << 29;
        MSG message = {mainWindow, WM_SYSCHAR, key, ALT_CONTEXT, 0, {0, 0}};
        EXPECT_NE(TranslateAcceleratorW(message.hwnd, accelerators, &message), 0);
        EXPECT_EQ(boxes.seen.size(), before + 1) << boxes.describe();
    }
    keys[VK_MENU] = 0;
    SetKeyboardState(keys);
    MSG plain = {mainWindow, WM_CHAR, L'?', 0, 0, {0, 0}};
    EXPECT_EQ(TranslateAcceleratorW(plain.hwnd, accelerators, &plain), 0);
    EXPECT_EQ(boxes.seen.size(), 2u) << boxes.describe();
}
} // namespace
