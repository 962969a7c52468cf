// The rabbit window as start-up makes it: place, menu, commands, mouse and ending.
#include <windows.h>

#include <string>
#include <vector>

#include "animation/pose_table.h"
#include "desktop/desktop.h"
#include "desktop/running_state.h"
#include "desktop/timers.h"
#include "rabbit/pet_record.h"
#include "res/resource.h"
#include "save/save_image.h"
#include "win_test_support.h"
#include "windows/main_window.h"
#include "windows/wide_text.h"

namespace {
std::string saveBytesNow() {
    const SaveImage image = encodeSaveImage();
    return std::string(image.begin(), image.end());
}

bool timerRuns(int timerId) {
    // Killing tells whether it ran; the tests that ask do not need it afterwards.
    return KillTimer(mainWindow, static_cast<UINT_PTR>(timerId)) != FALSE;
}

std::string menuText(UINT item, UINT byWhat) {
    wchar_t text[64] = {};
    GetMenuStringW(popupMenu, item, text, 64, byWhat);
    return narrow(text);
}

bool greyed(int position) {
    return (GetMenuState(popupMenu, static_cast<UINT>(position), MF_BYPOSITION) & MF_GRAYED) != 0;
}

void command(int id) {
    SendMessageW(mainWindow, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

bool rightClickOpensMenu(WPARAM buttons) {
    const RECT menu = rightClickMenuRect(buttons);
    return !IsRectEmpty(&menu);
}

class MainWindowTest : public RabbitWindowTest {};

TEST_F(MainWindowTest, WithoutARabbitTheWindowStandsAtHomeWithTheCareCommandsGrey) {
    writeRabbitSave(200, 150);
    std::string bytes = readSaveFileBytes();
    bytes[20] = 0; // hasPet
    writeSaveFileBytes(bytes);
    ASSERT_NE(createRabbitWindow(), nullptr);
    const RECT rect = rabbitWindowRect();
    EXPECT_EQ(rect.left, 500);
    EXPECT_EQ(rect.top, 300);
    EXPECT_EQ(rect.right - rect.left, 60);
    EXPECT_EQ(rect.bottom - rect.top, 88);
    for (int position : {3, 4, 5, 6, 7, 8}) {
        EXPECT_TRUE(greyed(position)) << position;
    }
    for (int position : {0, 2, 10, 11}) {
        EXPECT_FALSE(greyed(position)) << position;
    }
    EXPECT_FALSE(timerRuns(TIMER_LIFE_CLOCK));
    EXPECT_TRUE(boxes.seen.empty()) << boxes.describe();
}

TEST_F(MainWindowTest, ARabbitComesBackWhereItWasWithItsCareCommandsAndLifeClock) {
    writeRabbitSave(200, 150);
    ASSERT_NE(createRabbitWindow(), nullptr);
    const RECT rect = rabbitWindowRect();
    EXPECT_EQ(rect.left, 200);
    EXPECT_EQ(rect.top, 150);
    for (int position : {3, 4, 5, 6, 7, 8}) {
        EXPECT_FALSE(greyed(position)) << position;
    }
    EXPECT_TRUE(timerRuns(TIMER_LIFE_CLOCK));
}

TEST_F(MainWindowTest, APlaceOffEveryMonitorBringsTheRabbitHome) {
    writeRabbitSave(-5000, -5000);
    ASSERT_NE(createRabbitWindow(), nullptr);
    EXPECT_EQ(rabbitWindowRect().left, 500);
    EXPECT_EQ(rabbitWindowRect().top, 300);
    EXPECT_EQ(posX, 500);
    EXPECT_EQ(posY, 300);
}

TEST_F(MainWindowTest, APlacePartlyOnTheScreenIsKept) {
    writeRabbitSave(-30, 700);
    ASSERT_NE(createRabbitWindow(), nullptr);
    EXPECT_EQ(rabbitWindowRect().left, -30);
    EXPECT_EQ(rabbitWindowRect().top, 700);
}

TEST_F(MainWindowTest, ThePopupMenuHoldsItsTexts) {
    ASSERT_NE(createRabbitWindow(), nullptr);
    const std::vector<std::string> texts = {"關於(&A)", "",         "領養兔子",     "狀態(&Z)",
                                            "吃喝(&E)", "勞動(&W)", "自由活動(&G)", "睡覺(&S)",
                                            "察看物品", "",         "軟體設置(&C)", "退出(&X)"};
    ASSERT_EQ(GetMenuItemCount(popupMenu), 12);
    for (UINT position = 0; position < texts.size(); ++position) {
        EXPECT_EQ(menuText(position, MF_BYPOSITION), texts[position]) << position;
    }
    EXPECT_EQ(menuText(IDM_EAT, MF_BYCOMMAND), "吃");
    EXPECT_EQ(menuText(IDM_DRINK, MF_BYCOMMAND), "喝");
}

TEST_F(MainWindowTest, AdoptingTheFirstRabbitAsksNothingAndEnablesTheCareCommands) {
    ASSERT_NE(createRabbitWindow(), nullptr);
    command(IDM_ADOPT);
    ASSERT_EQ(boxes.seen.size(), 1u) << boxes.describe();
    EXPECT_EQ(boxes.seen[0].caption, "領養新兔子");
    EXPECT_EQ(boxes.seen[0].text, "一隻可愛的兔寶寶誕生了!\n你可以在狀態欄裡給你兔子改個名字。");
    for (int position : {3, 4, 5, 6, 7, 8}) {
        EXPECT_FALSE(greyed(position)) << position;
    }
    EXPECT_EQ(readSaveFileBytes(), saveBytesNow());
}

TEST_F(MainWindowTest, ReAdoptionAnsweredNoChangesNothing) {
    writeRabbitSave(200, 150);
    ASSERT_NE(createRabbitWindow(), nullptr);
    const std::string before = readSaveFileBytes();
    boxes.answers.push_back(IDNO);
    command(IDM_ADOPT);
    ASSERT_EQ(boxes.seen.size(), 1u) << boxes.describe();
    EXPECT_EQ(boxes.seen[0].text, "你決定領養一隻新兔子嗎?");
    EXPECT_EQ(readSaveFileBytes(), before);
}

TEST_F(MainWindowTest, FreeActivityTogglesItsTextAndComesBackWithoutTheMnemonic) {
    writeRabbitSave(200, 150);
    ASSERT_NE(createRabbitWindow(), nullptr);
    command(IDM_FREE_ACTIVITY);
    EXPECT_EQ(menuText(IDM_FREE_ACTIVITY, MF_BYCOMMAND), "停止活動");
    EXPECT_NE(freeMode, 0);
    command(IDM_FREE_ACTIVITY);
    EXPECT_EQ(menuText(IDM_FREE_ACTIVITY, MF_BYCOMMAND), "自由活動");
    EXPECT_EQ(freeMode, 0);
    EXPECT_FALSE(greyed(6));
    EXPECT_FALSE(timerRuns(activeAnimTimer));
}

TEST_F(MainWindowTest, EachDialogCommandOpensOneBoxOwnedByTheRabbit) {
    writeRabbitSave(200, 150);
    ASSERT_NE(createRabbitWindow(), nullptr);
    std::vector<HWND> owners;
    boxes.onOpen = [&owners](HWND box) {
        owners.push_back(GetWindow(box, GW_OWNER));
        return IDCANCEL;
    };
    for (int id : {IDM_ABOUT, IDM_STATUS, IDM_ITEMS, IDM_SETTINGS}) {
        SCOPED_TRACE(id);
        owners.clear();
        command(id);
        ASSERT_EQ(owners.size(), 1u) << boxes.describe();
        EXPECT_EQ(owners[0], mainWindow);
    }
}

TEST_F(MainWindowTest, AnUnknownCommandDoesNothing) {
    ASSERT_NE(createRabbitWindow(), nullptr);
    command(40000);
    EXPECT_TRUE(IsWindow(mainWindow));
    EXPECT_TRUE(boxes.seen.empty()) << boxes.describe();
}

TEST_F(MainWindowTest, ExitSavesThenEndsTheProgram) {
    writeRabbitSave(200, 150);
    ASSERT_NE(createRabbitWindow(), nullptr);
    posX = 321;
    const std::string expected = saveBytesNow();
    HWND window = mainWindow;
    command(IDM_EXIT);
    EXPECT_EQ(readSaveFileBytes(), expected);
    EXPECT_FALSE(IsWindow(window));
    pumpMessages(0);
    EXPECT_TRUE(quitWasPosted());
}

TEST_F(MainWindowTest, AnEndingSessionSavesAndACancelledOneDoesNot) {
    writeRabbitSave(200, 150);
    ASSERT_NE(createRabbitWindow(), nullptr);
    const std::string before = readSaveFileBytes();
    posX = 321;
    SendMessageW(mainWindow, WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(readSaveFileBytes(), before);
    SendMessageW(mainWindow, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(readSaveFileBytes(), saveBytesNow());
}

TEST_F(MainWindowTest, OnlyAPlainRightClickOpensTheMenu) {
    ASSERT_NE(createRabbitWindow(), nullptr);
    EXPECT_TRUE(rightClickOpensMenu(MK_RBUTTON));
    EXPECT_FALSE(rightClickOpensMenu(MK_RBUTTON | MK_SHIFT));
    EXPECT_FALSE(rightClickOpensMenu(MK_RBUTTON | MK_CONTROL));
    EXPECT_FALSE(rightClickOpensMenu(MK_RBUTTON | MK_LBUTTON));
}

TEST_F(MainWindowTest, ARightClickStopsTheWanderingAndReArmsItOnlyForAnAwakeRabbit) {
    ASSERT_NE(createRabbitWindow(), nullptr);
    freeMode = 1;
    activeAnimTimer = TIMER_WALK_LEFT;
    startTimer(TIMER_WALK_LEFT, LIFE_CLOCK_MS);
    rightClickOpensMenu(MK_RBUTTON | MK_SHIFT);
    EXPECT_TRUE(timerRuns(TIMER_WALK_LEFT));

    sleeping = 1;
    startTimer(TIMER_WALK_LEFT, LIFE_CLOCK_MS);
    rightClickOpensMenu(MK_RBUTTON | MK_SHIFT);
    EXPECT_FALSE(timerRuns(TIMER_WALK_LEFT));

    sleeping = 0;
    freeMode = 0;
    startTimer(TIMER_WALK_LEFT, LIFE_CLOCK_MS);
    rightClickOpensMenu(MK_RBUTTON | MK_CONTROL);
    EXPECT_FALSE(timerRuns(TIMER_WALK_LEFT));
}

TEST_F(MainWindowTest, ATimerTickRunsItsSequenceAndAnUnknownOneIsIgnored) {
    ASSERT_NE(createRabbitWindow(), nullptr);
    SendMessageW(mainWindow, WM_TIMER, TIMER_LAST_ANIMATION, 0);
    EXPECT_EQ(pose, 0);
    SendMessageW(mainWindow, WM_TIMER, TIMER_BLINK, 0);
    EXPECT_EQ(pose, 51);
    EXPECT_TRUE(timerRuns(TIMER_BLINK));
}

TEST_F(MainWindowTest, ADoubleClickPlaysOnlyWhenTheRabbitIsAwakeAndStill) {
    ASSERT_NE(createRabbitWindow(), nullptr);
    freeMode = 1;
    SendMessageW(mainWindow, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(30, 40));
    EXPECT_EQ(pose, 0);
    freeMode = 0;
    sleeping = 1;
    SendMessageW(mainWindow, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(30, 40));
    EXPECT_EQ(pose, 0);
    sleeping = 0;
    SendMessageW(mainWindow, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(30, 40));
    EXPECT_TRUE(pose == 60 || pose == 80) << pose;
}

// Moves the cursor and lets go, from inside the system's window-moving loop.
TEST_F(MainWindowTest, ADragLeavesTheRabbitWhereItWasDroppedAndStopsOnlyTheWalkRight) {
    writeRabbitSave(200, 150);
    ASSERT_NE(createRabbitWindow(), nullptr);
    startTimer(TIMER_WALK_LEFT, LIFE_CLOCK_MS);
    startTimer(TIMER_WALK_RIGHT, LIFE_CLOCK_MS);
    if (!dragRabbit({230, 190}, 50, 30)) {
        GTEST_SKIP() << NO_MOUSE_INPUT;
    }
    const RECT dropped = rabbitWindowRect();
    EXPECT_EQ(posX, dropped.left);
    EXPECT_EQ(posY, dropped.top);
    EXPECT_NE(dropped.left, 200) << "the drag should have moved the window";

    InvalidateRect(mainWindow, nullptr, TRUE);
    UpdateWindow(mainWindow);
    EXPECT_EQ(rabbitWindowRect().left, dropped.left);
    EXPECT_EQ(rabbitWindowRect().top, dropped.top);
    EXPECT_TRUE(timerRuns(TIMER_WALK_LEFT));
    EXPECT_FALSE(timerRuns(TIMER_WALK_RIGHT));
}
} // namespace
