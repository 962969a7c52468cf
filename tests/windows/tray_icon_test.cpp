// The notification icon: there with the rabbit window, back when the notification area
// starts anew, gone at the end; its menu's items follow the rabbit's state.
#include <windows.h>

#include <shellapi.h>

#include <string>

#include <gtest/gtest.h>

#include "preferences/preferences.h"
#include "res/resource.h"
#include "save_test_files.h"
#include "win_test_support.h"
#include "windows/chosen_preferences.h"
#include "windows/dialogs/hotkey_dialog.h"
#include "windows/main_window.h"
#include "windows/rabbit_size.h"
#include "windows/rabbit_visibility.h"
#include "windows/tray_icon.h"
#include "windows/tray_menu.h"
#include "windows/wide_text.h"

namespace {
NOTIFYICONDATAW iconOf(HWND window) {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = 1;
    return data;
}

// Only an icon that is there can be changed.
bool iconShown(HWND window) {
    NOTIFYICONDATAW data = iconOf(window);
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

// Whether the icon was still there as its window went: after that, no one can tell.
HWND watchedWindow;
bool shownAsItsWindowWent;

LRESULT CALLBACK watchWindowGo(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_DESTROY && call->hwnd == watchedWindow) {
        shownAsItsWindowWent = iconShown(watchedWindow);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string itemText(HMENU menu, UINT position) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return narrow(text);
}

UINT itemState(HMENU menu, UINT id) {
    return GetMenuState(menu, id, MF_BYCOMMAND);
}

BOOL refuseIcon(DWORD, NOTIFYICONDATAW*) {
    return FALSE;
}

LONG_PTR ghostStyles() {
    return GetWindowLongPtrW(mainWindow, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TRANSPARENT);
}

// Another program's window, in front until a click on the icon or the rabbit brings the
// open dialog forward; the clicks come from inside the dialog's modal loop.
HWND otherProgram;

void CALLBACK clickWhileDialogOpen(HWND dialog, UINT, UINT_PTR timer, DWORD) {
    KillTimer(dialog, timer);
    const struct {
        HWND window;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } clicks[] = {{trayWindow, TRAY_ICON_MESSAGE, 0, WM_CONTEXTMENU},
                  {trayWindow, TRAY_ICON_MESSAGE, 0, NIN_SELECT},
                  {mainWindow, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 30)}};
    for (const auto& click : clicks) {
        SetForegroundWindow(otherProgram);
        const RECT menu = menuRectAfter(click.window, click.message, click.wParam, click.lParam);
        EXPECT_TRUE(IsRectEmpty(&menu)) << click.lParam;
        EXPECT_EQ(GetForegroundWindow(), dialog) << click.lParam;
        EXPECT_TRUE(IsChild(dialog, GetFocus())) << click.lParam;
    }
    EXPECT_FALSE(rabbitHidden());
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

class TrayIconTest : public RabbitWindowTest {
  protected:
    void SetUp() override {
        RabbitWindowTest::SetUp();
        writeRabbitSave(200, 150);
        ASSERT_NE(createRabbitWindow(), nullptr);
        ASSERT_NE(trayWindow, nullptr);
        pumpMessages(0);
    }
};

TEST_F(TrayIconTest, ComesWithTheRabbitAndBackWithANewNotificationArea) {
    EXPECT_TRUE(iconShown(trayWindow));
    NOTIFYICONDATAW data = iconOf(trayWindow);
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
    SendMessageW(trayWindow, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(iconShown(trayWindow));
    EXPECT_FALSE(IsWindowVisible(trayWindow));
}

TEST_F(TrayIconTest, GoesAtTheEndOfTheSessionAndOfTheProgram) {
    const HWND owner = trayWindow;
    SendMessageW(owner, WM_ENDSESSION, TRUE, 0);
    EXPECT_FALSE(iconShown(owner));
    SendMessageW(owner, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    ASSERT_TRUE(iconShown(owner));
    watchedWindow = owner;
    shownAsItsWindowWent = true;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, watchWindowGo, nullptr, GetCurrentThreadId());
    destroyRabbitWindow();
    UnhookWindowsHookEx(hook);
    EXPECT_FALSE(IsWindow(owner));
    EXPECT_FALSE(shownAsItsWindowWent);
}

// While one of the rabbit's boxes is open, its window is disabled and its own menu cannot
// open: its commands and exit are greyed here too.
TEST_F(TrayIconTest, MenuFollowsTheRabbitsState) {
    const struct {
        bool hidden;
        bool ghost;
        bool perch;
        bool boxOpen;
        const char* first;
    } states[] = {{false, false, false, false, "隱藏兔子(&H)"},
                  {true, true, true, false, "顯示兔子(&H)"},
                  {false, true, false, true, "隱藏兔子(&H)"}};
    for (const auto& state : states) {
        state.hidden ? hideRabbit() : showRabbit();
        setGhostMode(state.ghost);
        setPerching(state.perch);
        EnableWindow(mainWindow, state.boxOpen ? FALSE : TRUE);
        HMENU menu = createTrayMenu();
        EXPECT_EQ(GetMenuItemCount(menu), 11);
        EXPECT_EQ(itemText(menu, 0), state.first);
        EXPECT_EQ((itemState(menu, IDM_TRAY_GHOST) & MF_CHECKED) != 0, state.ghost);
        EXPECT_EQ((itemState(menu, IDM_TRAY_PERCH) & MF_CHECKED) != 0, state.perch);
        for (int size = SMALLEST_SIZE; size <= LARGEST_SIZE; ++size) {
            const UINT item = itemState(menu, static_cast<UINT>(IDM_TRAY_SIZE_1 + size - 1));
            EXPECT_EQ((item & MF_CHECKED) != 0, size == rabbitSize()) << size;
            EXPECT_EQ((item & MF_GRAYED) != 0, !rabbitSizeOffered(size)) << size;
        }
        EXPECT_EQ(itemText(menu, TRAY_LANGUAGE_POSITION), "語言(&L)");
        HMENU languages = GetSubMenu(menu, TRAY_LANGUAGE_POSITION);
        ASSERT_EQ(GetMenuItemCount(languages), LANGUAGE_COUNT);
        EXPECT_EQ(itemText(languages, 0), "繁體中文(&T)");
        EXPECT_NE(GetMenuState(languages, 0, MF_BYPOSITION) & MF_CHECKED, 0u);
        EXPECT_EQ(itemText(menu, TRAY_MAIN_MENU_POSITION), "主選單(&M)");
        EXPECT_EQ(GetSubMenu(menu, TRAY_MAIN_MENU_POSITION), popupMenu);
        const UINT rabbitMenu = GetMenuState(menu, TRAY_MAIN_MENU_POSITION, MF_BYPOSITION);
        EXPECT_EQ((rabbitMenu & MF_GRAYED) != 0, state.boxOpen);
        EXPECT_EQ(itemText(menu, TRAY_EXIT_POSITION), "退出(&X)");
        const UINT exit = GetMenuState(menu, TRAY_EXIT_POSITION, MF_BYPOSITION);
        EXPECT_EQ((exit & MF_GRAYED) != 0, state.boxOpen);
        EXPECT_EQ(GetMenuState(popupMenu, IDM_EXIT, MF_BYCOMMAND) & MF_GRAYED, 0u);
        destroyTrayMenu(menu);
        EXPECT_TRUE(IsMenu(popupMenu));
    }
    EnableWindow(mainWindow, TRUE);
    showRabbit();
    setGhostMode(false);
}

// Where no notification area takes the icon, a ghost rabbit would be out of reach.
TEST_F(TrayIconTest, ARememberedGhostStaysSolidUntilItsIconIsAdded) {
    const std::string remembered = "[varnok]\r\nghost=1\r\n";
    destroyRabbitWindow();
    writeFileBytes(preferencesFileInTestFolder(), remembered);
    const auto shellsOwn = notifyIcon;
    notifyIcon = refuseIcon;
    ASSERT_NE(createRabbitWindow(), nullptr);
    pumpMessages(0);
    notifyIcon = shellsOwn;
    EXPECT_FALSE(iconShown(trayWindow));
    EXPECT_EQ(ghostStyles(), 0);
    EXPECT_EQ(WindowFromPoint(rabbitBelly()), mainWindow);

    SendMessageW(trayWindow, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(iconShown(trayWindow));
    EXPECT_EQ(ghostStyles(), WS_EX_LAYERED | WS_EX_TRANSPARENT);
    EXPECT_EQ(readFileBytes(preferencesFileInTestFolder()), remembered);
}

TEST_F(TrayIconTest, TheTwoSelectionsOfADoubleClickToggleOnce) {
    PostMessageW(trayWindow, TRAY_ICON_MESSAGE, 0, NIN_SELECT);
    PostMessageW(trayWindow, TRAY_ICON_MESSAGE, 0, NIN_SELECT);
    pumpMessages(0);
    EXPECT_TRUE(rabbitHidden());
}

TEST_F(TrayIconTest, AClickWhileTheHotkeyDialogIsOpenRaisesItAndOpensNoMenu) {
    otherProgram = CreateWindowExW(0, L"STATIC", nullptr, WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                   nullptr, nullptr, nullptr, nullptr);
    boxes.holdMs = 10000;
    boxes.onOpen = [](HWND dialog) {
        SetTimer(dialog, 1, 50, clickWhileDialogOpen);
        return IDCANCEL;
    };
    openHotkeyDialog(trayWindow);
    DestroyWindow(otherProgram);
    EXPECT_EQ(boxes.seen.size(), 1u) << boxes.describe();
}

TEST_F(TrayIconTest, TheHotkeyHidesAndShowsTheRabbit) {
    SendMessageW(trayWindow, WM_HOTKEY, 1, 0);
    EXPECT_TRUE(rabbitHidden());
    SendMessageW(trayWindow, WM_HOTKEY, 1, 0);
    EXPECT_FALSE(rabbitHidden());
}
} // namespace
