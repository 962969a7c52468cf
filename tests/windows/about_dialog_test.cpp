// The about box with its link and icon, the bonus dialog behind the icon, and the items dialog.
#include <windows.h>

#include "dialog_test_support.h"
#include "rabbit/pet_record.h"
#include "res/resource.h"
#include "windows/dialogs/about_dialog.h"
#include "windows/dialogs/bonus_dialog.h"
#include "windows/dialogs/items_dialog.h"
#include "windows/main_window.h"

namespace {
using AboutDialogTest = DialogTest;

struct LinkColours {
    INT_PTR brush;
    COLORREF text;
    COLORREF background;
};

// The procedure's own answer: 0 leaves the colours to the system.
LinkColours colourAsked(HWND dialog, int id) {
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(4, 5, 6));
    const INT_PTR brush = aboutDlgProc(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    const LinkColours colours = {brush, GetTextColor(dc), GetBkColor(dc)};
    DeleteDC(dc);
    return colours;
}

TEST_F(AboutDialogTest, ShowsItsLinesAndPaintsOnlyTheLinkBlue) {
    HWND about = openModeless(IDD_ABOUT, aboutDlgProc);
    ASSERT_NE(about, nullptr);
    wchar_t caption[32] = {};
    GetWindowTextW(about, caption, 32);
    EXPECT_EQ(std::wstring(caption), L"關於");
    EXPECT_EQ(controlText(about, IDOK), "確定");
    EXPECT_EQ(controlText(about, IDC_LINK), "www.example.net");

    const LinkColours link = colourAsked(about, IDC_LINK);
    EXPECT_NE(link.brush, 0);
    EXPECT_EQ(link.text, RGB(0, 0, 255));
    EXPECT_EQ(link.background, GetSysColor(COLOR_BTNFACE));
    LOGBRUSH face = {};
    ASSERT_EQ(GetObjectW(reinterpret_cast<HBRUSH>(link.brush), sizeof face, &face),
              static_cast<int>(sizeof face));
    EXPECT_EQ(face.lbColor, GetSysColor(COLOR_BTNFACE));

    const LinkColours producer = colourAsked(about, IDC_ABOUT_LINE);
    EXPECT_EQ(producer.brush, 0);
    EXPECT_EQ(producer.text, RGB(1, 2, 3));
    closeModeless(about, IDOK);
}

TEST_F(AboutDialogTest, LinkTakesTheMouseWithTheHandCursorAndTheIconKeepsTheArrow) {
    HWND about = openModeless(IDD_ABOUT, aboutDlgProc);
    HWND link = GetDlgItem(about, IDC_LINK);
    HWND icon = GetDlgItem(about, IDC_ABOUT_ICON);
    EXPECT_EQ(SendMessageW(link, WM_NCHITTEST, 0, 0), HTCLIENT);
    EXPECT_EQ(SendMessageW(icon, WM_NCHITTEST, 0, 0), HTCLIENT);

    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    SendMessageW(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), linkCursor);
    // Every other message still reaches the static control itself.
    EXPECT_EQ(SendMessageW(link, WM_GETTEXTLENGTH, 0, 0), 15);
    closeModeless(about, IDCANCEL);
}

TEST_F(AboutDialogTest, ItsBrushLivesOnlyWhileTheBoxIsOpen) {
    GuiObjectCount warm = {};
    for (int i = 0; i < WARM_UP_OPENINGS + 3; ++i) {
        if (i == WARM_UP_OPENINGS) {
            warm = countGuiObjectsNow();
        }
        HWND about = openModeless(IDD_ABOUT, aboutDlgProc);
        const HGDIOBJ brush = reinterpret_cast<HGDIOBJ>(colourAsked(about, IDC_LINK).brush);
        EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
        closeModeless(about, IDOK);
        EXPECT_EQ(GetObjectType(brush), 0u);
    }
    EXPECT_EQ(guiObjectGrowth(warm), "");
}

TEST_F(AboutDialogTest, OpensAndClosesManyTimesModally) {
    int opened = 0;
    boxes.onOpen = [&opened](HWND box) {
        ++opened;
        return IsWindow(GetDlgItem(box, IDC_LINK)) ? IDOK : IDCANCEL;
    };
    GuiObjectCount warm = {};
    for (int i = 0; i < 40; ++i) {
        if (i == WARM_UP_OPENINGS) {
            warm = countGuiObjectsNow();
        }
        openAboutDialog(nullptr);
    }
    EXPECT_EQ(opened, 40);
    EXPECT_EQ(guiObjectGrowth(warm), "");
}

TEST_F(AboutDialogTest, ClickingTheIconOpensTheBonusDialogOverTheAboutBox) {
    gradePoints.devilPoints = 120;
    gradePoints.angelPoints = -7;
    inventory.carrots = 5;
    HWND about = openModeless(IDD_ABOUT, aboutDlgProc);
    HWND bonusOwner = nullptr;
    std::string devil;
    std::string angel;
    boxes.onOpen = [&](HWND box) {
        if (box == about) {
            return IDCANCEL;
        }
        bonusOwner = GetWindow(box, GW_OWNER);
        devil = controlText(box, IDC_DEVIL_POINTS);
        angel = controlText(box, IDC_ANGEL_POINTS);
        clickButton(box, IDC_CARROTS);
        return IDOK;
    };
    SendMessageW(GetDlgItem(about, IDC_ABOUT_ICON), WM_LBUTTONUP, 0, 0);
    // The about box itself may be activated around it; only one bonus dialog opens.
    int bonusBoxes = 0;
    for (const SeenBox& box : boxes.seen) {
        bonusBoxes += box.caption == "恭喜" ? 1 : 0;
    }
    EXPECT_EQ(bonusBoxes, 1) << boxes.describe();
    EXPECT_EQ(bonusOwner, about);
    EXPECT_EQ(devil, "120");
    EXPECT_EQ(angel, "-7");
    EXPECT_EQ(inventory.carrots, 15);
    closeModeless(about, IDOK);
}

using BonusDialogTest = DialogTest;

TEST_F(BonusDialogTest, EachButtonAddsTenWithNoLimitAndNeitherShowsNorSaves) {
    inventory.carrots = 2147483000;
    inventory.waterBottles = 0;
    gradePoints.angelPoints = 30;
    HWND bonus = openModeless(IDD_BONUS, bonusDlgProc);
    EXPECT_EQ(controlText(bonus, IDC_ANGEL_POINTS), "30");
    EXPECT_EQ(controlText(bonus, IDC_DEVIL_POINTS), "0");
    EXPECT_EQ(controlText(bonus, IDC_CARROTS), "得到十根蘿蔔");
    EXPECT_EQ(controlText(bonus, IDC_WATER_BOTTLES), "得到十瓶水");
    for (int i = 0; i < 3; ++i) {
        clickButton(bonus, IDC_CARROTS);
    }
    clickButton(bonus, IDC_WATER_BOTTLES);
    gradePoints.angelPoints = 31;
    EXPECT_EQ(inventory.carrots, 2147483030);
    EXPECT_EQ(inventory.waterBottles, 10);
    EXPECT_EQ(controlText(bonus, IDC_ANGEL_POINTS), "30");
    EXPECT_TRUE(IsWindow(bonus));
    closeModeless(bonus, IDCANCEL);
    EXPECT_EQ(readSaveFileBytes(), "");
}

using ItemsDialogTest = DialogTest;

TEST_F(ItemsDialogTest, ShowsTheStockAsItWasWhenOpened) {
    inventory.carrots = 30;
    inventory.waterBottles = -4;
    HWND items = openModeless(IDD_ITEMS, itemsDlgProc);
    EXPECT_EQ(controlText(items, IDC_CARROTS), "30");
    EXPECT_EQ(controlText(items, IDC_WATER_BOTTLES), "-4");
    EXPECT_EQ(controlText(items, IDOK), "確定(O)");
    inventory.carrots = 40;
    EXPECT_EQ(controlText(items, IDC_CARROTS), "30");
    closeModeless(items, IDOK);
}

TEST_F(ItemsDialogTest, BonusCarrotsShowUpInTheItemsOpenedAfterwards) {
    boxes.onOpen = [](HWND box) {
        for (int i = 0; i < 3; ++i) {
            clickButton(box, IDC_CARROTS);
        }
        return IDOK;
    };
    openBonusDialog(nullptr);
    int shown = -1;
    boxes.onOpen = [&shown](HWND box) {
        shown = static_cast<int>(GetDlgItemInt(box, IDC_CARROTS, nullptr, TRUE));
        return IDCANCEL;
    };
    openItemsDialog(nullptr);
    EXPECT_EQ(shown, 30);
}
} // namespace
