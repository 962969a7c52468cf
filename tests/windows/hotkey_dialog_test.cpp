// The hotkey and its dialog: keys another program holds, keys that cannot be a hotkey,
// none, and Win, which the dialog's control cannot show.
#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "language/texts.h"
#include "preferences/preferences.h"
#include "res/resource.h"
#include "save_test_files.h"
#include "win_test_support.h"
#include "windows/chosen_preferences.h"
#include "windows/dialogs/hotkey_dialog.h"
#include "windows/hotkey.h"
#include "windows/tray_icon.h"
#include "windows/wide_text.h"

namespace {
constexpr unsigned CTRL_ALT = HOTKEY_CTRL | HOTKEY_ALT;
const Hotkey HELD_ELSEWHERE = {CTRL_ALT, VK_F10};
const Hotkey FIRST = {CTRL_ALT, VK_F9};
const Hotkey FREE = {CTRL_ALT, VK_F8};
const Hotkey WITH_WIN = {HOTKEY_WIN | HOTKEY_CTRL, VK_F7};
constexpr WORD TYPED_TAKEN = MAKEWORD(VK_F10, HOTKEYF_CONTROL | HOTKEYF_ALT);
constexpr WORD TYPED_FREE = MAKEWORD(VK_F8, HOTKEYF_CONTROL | HOTKEYF_ALT);
constexpr WORD TYPED_SPACE = MAKEWORD(VK_SPACE, HOTKEYF_CONTROL | HOTKEYF_ALT);
constexpr WORD TYPED_F12 = MAKEWORD(VK_F12, HOTKEYF_CONTROL | HOTKEYF_ALT);
constexpr WORD TYPED_SHIFT_F5 = MAKEWORD(VK_F5, HOTKEYF_SHIFT);
constexpr WORD AS_SHOWN = 0xFFFF;

// Whether the program holds the keys: then no other window can register them.
bool heldByTheProgram(HWND other, const Hotkey& hotkey) {
    if (RegisterHotKey(other, 2, hotkey.modifiers, static_cast<UINT>(hotkey.key))) {
        UnregisterHotKey(other, 2);
        return false;
    }
    return true;
}

class HotkeyDialogTest : public RabbitWindowTest {
  protected:
    HWND otherProgram = nullptr;

    void SetUp() override {
        RabbitWindowTest::SetUp();
        ASSERT_NE(createRabbitWindow(), nullptr);
        otherProgram = CreateWindowExW(0, L"STATIC", nullptr, WS_POPUP, 0, 0, 0, 0, nullptr,
                                       nullptr, nullptr, nullptr);
        ASSERT_TRUE(RegisterHotKey(otherProgram, 1, HELD_ELSEWHERE.modifiers,
                                   static_cast<UINT>(HELD_ELSEWHERE.key)));
    }
    void TearDown() override {
        DestroyWindow(otherProgram);
        RabbitWindowTest::TearDown();
    }

    // Starts with `start` as the chosen hotkey, types `typed` into the dialog's control
    // and presses `button`; a box that follows closes the dialog. The dialog's line, read.
    std::string runDialog(const Hotkey& start, WORD typed, int button) {
        if (chosenPreferences().hotkey != start) {
            setHotkey(start);
        }
        std::string line;
        boxes.onOpen = [&](HWND box) {
            if (GetDlgItem(box, IDC_HOTKEY) == nullptr) {
                PostMessageW(GetWindow(box, GW_OWNER), WM_COMMAND, IDCANCEL, 0);
                return 0;
            }
            wchar_t text[128] = {};
            GetDlgItemTextW(box, IDC_HOTKEY_STATE, text, 128);
            line = narrow(text);
            if (typed != AS_SHOWN) {
                SendDlgItemMessageW(box, IDC_HOTKEY, HKM_SETHOTKEY, typed, 0);
            }
            return button;
        };
        openHotkeyDialog(trayWindow);
        return line;
    }
};

TEST_F(HotkeyDialogTest, TakesWhatItCanAndSaysWhyItCannot) {
    const struct {
        const char* what;
        Hotkey start;
        WORD typed;
        int button;
        Hotkey after;
        std::optional<TextId> box;
    } cases[] = {
        {"free keys", FIRST, TYPED_FREE, IDOK, FREE, std::nullopt},
        {"keys another program holds", FIRST, TYPED_TAKEN, IDOK, FIRST, TextId::HOTKEY_TAKEN_BOX},
        {"a key no hotkey may have", FIRST, TYPED_SPACE, IDOK, FIRST, TextId::HOTKEY_KEY_REFUSED},
        {"the debuggers' F12", FIRST, TYPED_F12, IDOK, FIRST, TextId::HOTKEY_KEY_REFUSED},
        {"Shift alone", FIRST, TYPED_SHIFT_F5, IDOK, FIRST, TextId::HOTKEY_KEY_REFUSED},
        {"none", FIRST, TYPED_FREE, IDC_HOTKEY_NONE, Hotkey(), std::nullopt},
        {"cancel", FIRST, TYPED_FREE, IDCANCEL, FIRST, std::nullopt},
        {"Win, left as shown", WITH_WIN, AS_SHOWN, IDOK, WITH_WIN, std::nullopt},
    };
    for (const auto& c : cases) {
        boxes.seen.clear();
        runDialog(c.start, c.typed, c.button);
        EXPECT_EQ(hotkeyText(chosenPreferences().hotkey), hotkeyText(c.after)) << c.what;
        if (c.after.key != 0) {
            EXPECT_TRUE(heldByTheProgram(otherProgram, c.after)) << c.what;
        }
        if (c.after != c.start) {
            EXPECT_FALSE(heldByTheProgram(otherProgram, c.start)) << c.what;
        }
        EXPECT_FALSE(hotkeyTaken()) << c.what;
        ASSERT_EQ(boxes.seen.size(), c.box ? 2u : 1u) << c.what << "\n" << boxes.describe();
        if (c.box) {
            EXPECT_EQ(boxes.seen[1].text, std::string(text(*c.box))) << c.what;
        }
        setHotkey(Hotkey());
    }
}

TEST_F(HotkeyDialogTest, KeysTakenByStartUpStayUnregisteredWithoutABoxAndTheDialogSaysSo) {
    destroyRabbitWindow();
    writeFileBytes(preferencesFileInTestFolder(), "[varnok]\r\nhotkey=Ctrl+Alt+F10\r\n");
    ASSERT_NE(createRabbitWindow(), nullptr);
    EXPECT_TRUE(hotkeyTaken());
    EXPECT_TRUE(boxes.seen.empty()) << boxes.describe();
    const std::string line = runDialog(HELD_ELSEWHERE, AS_SHOWN, IDOK);
    EXPECT_EQ(line, "Ctrl+Alt+F10" + std::string(text(TextId::HOTKEY_TAKEN)));
    ASSERT_EQ(boxes.seen.size(), 2u) << boxes.describe();
    EXPECT_EQ(boxes.seen[1].text, std::string(text(TextId::HOTKEY_TAKEN_BOX)));
    EXPECT_TRUE(hotkeyTaken());
}
} // namespace
