// The modal-box answerer and the path helpers themselves, which every other Windows test
// leans on.
#include <windows.h>

#include "desktop/desktop.h"
#include "win_test_support.h"
#include "windows/main_window.h"

namespace {
int ticksWhileOpen = 0;
void CALLBACK countTick(HWND, UINT, UINT_PTR, DWORD) {
    ++ticksWhileOpen;
}

class ModalBoxAnswererTest : public RabbitWindowTest {
  protected:
    void SetUp() override {
        RabbitWindowTest::SetUp();
        ASSERT_NE(createRabbitWindow(), nullptr);
    }
};

TEST_F(ModalBoxAnswererTest, AnswersInTurnThenWithOk) {
    boxes.answers = {IDYES, IDNO};
    EXPECT_TRUE(askYesNo("一", "甲"));
    EXPECT_FALSE(askYesNo("二", "乙"));
    showReport("三", "丙");
    ASSERT_EQ(boxes.seen.size(), 3u);
    EXPECT_EQ(boxes.seen[1].caption, "乙");
    EXPECT_EQ(boxes.seen[1].text, "二");
}

TEST_F(ModalBoxAnswererTest, OnOpenSeesTheBoxAndMayChooseTheAnswer) {
    HWND owner = nullptr;
    boxes.onOpen = [&owner](HWND box) {
        owner = GetWindow(box, GW_OWNER);
        return IDYES;
    };
    boxes.answers = {IDNO};
    EXPECT_TRUE(askYesNo("你決定領養一隻新兔子嗎?", "領養新兔子"));
    EXPECT_EQ(owner, mainWindow);
    EXPECT_EQ(boxes.answers.size(), 1u) << "a chosen answer leaves the queue alone";
}

TEST_F(ModalBoxAnswererTest, AHeldBoxLetsTimersRunUntilItIsAnswered) {
    ticksWhileOpen = 0;
    const UINT_PTR ticker = SetTimer(nullptr, 0, 50, countTick);
    boxes.holdMs = 400;
    const ULONGLONG start = GetTickCount64();
    showReport("等一下", "警告");
    KillTimer(nullptr, ticker);
    EXPECT_GE(GetTickCount64() - start, 350u);
    EXPECT_GE(ticksWhileOpen, 3);
}

// Windows hands out backslashes; CMake's paths and many a user's have forward slashes.
TEST(TestPaths, AFolderIsFoundWhicheverSeparatorThePathUses) {
    EXPECT_EQ(folderOf(L"C:\\build\\tests\\run.exe"), L"C:\\build\\tests");
    EXPECT_EQ(folderOf(L"C:/build/tests/run.exe"), L"C:/build/tests");
    EXPECT_EQ(folderOf(L"C:/build\\tests/run.exe"), L"C:/build\\tests");
}
} // namespace
