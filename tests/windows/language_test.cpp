// The language the rabbit speaks: the one Windows' display language asks for unless
// varnok.ini names one, and a choice from the notification icon's menu that reloads the
// rabbit's menu in its states and reaches every dialog opened afterwards.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "desktop/running_state.h"
#include "dialog_test_support.h"
#include "rabbit/pet_record.h"
#include "res/resource.h"
#include "save_test_files.h"
#include "win_test_support.h"
#include "windows/chosen_preferences.h"
#include "windows/language_resources.h"
#include "windows/main_window.h"
#include "windows/tray_menu.h"
#include "windows/wide_text.h"

namespace {
LANGID standInLanguage;
LANGID WINAPI standInDisplay() {
    return standInLanguage;
}

std::string itemText(HMENU menu, UINT item, UINT byWhat) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, item, text, 64, byWhat);
    return narrow(text);
}

std::string captionOf(int dialogId) {
    HWND dialog = CreateDialogIndirectParamW(appInstance, dialogTemplateInLanguage(dialogId),
                                             nullptr, nullptr, 0);
    wchar_t caption[64] = {};
    GetWindowTextW(dialog, caption, 64);
    DestroyWindow(dialog);
    return narrow(caption);
}

class LanguageTest : public RabbitWindowTest {};

TEST_F(LanguageTest, WindowsDisplayLanguageChoosesUnlessTheSettingsFileNamesOne) {
    const struct {
        LANGID display;
        const char* file; // null: none
        const char* about;
    } cases[] = {
        {0x0404, nullptr, "關於(&A)"},
        {0x0C04, nullptr, "關於(&A)"},
        {0x0804, nullptr, "关于(&A)"},
        {0x0409, nullptr, "&About"},
        {0x0411, nullptr, "&About"},
        {0x0409, "[varnok]\r\nlanguage=zh-Hant\r\n", "關於(&A)"},
        {0x0404, "[varnok]\r\nlanguage=EN\r\n", "&About"},
        {0x0804, "[varnok]\r\nlanguage=klingon\r\n", "关于(&A)"},
    };
    for (const auto& c : cases) {
        standInLanguage = c.display;
        userDisplayLanguage = standInDisplay;
        if (c.file != nullptr) {
            writeFileBytes(preferencesFileInTestFolder(), c.file);
        }
        ASSERT_NE(createRabbitWindow(), nullptr);
        EXPECT_EQ(itemText(popupMenu, 0, MF_BYPOSITION), c.about) << std::hex << c.display;
        destroyRabbitWindow();
        EXPECT_EQ(readFileBytes(preferencesFileInTestFolder()), c.file != nullptr ? c.file : "");
        DeleteFileW(preferencesFileInTestFolder().c_str());
        resetProgramState();
    }
}

TEST_F(LanguageTest, AChoiceSwitchesTheMenusAtOnceInTheirStatesAndIsRemembered) {
    writeRabbitSave(200, 150);
    ASSERT_NE(createRabbitWindow(), nullptr);
    SendMessageW(mainWindow, WM_COMMAND, IDM_FREE_ACTIVITY, 0);
    SendMessageW(mainWindow, WM_COMMAND, IDM_SLEEP, 0); // greys the care commands
    setLanguage(Language::ENGLISH);
    EXPECT_EQ(itemText(popupMenu, 0, MF_BYPOSITION), "&About");
    EXPECT_EQ(itemText(popupMenu, IDM_FREE_ACTIVITY, MF_BYCOMMAND), "Wa&nder");
    EXPECT_NE(GetMenuState(popupMenu, 3, MF_BYPOSITION) & MF_GRAYED, 0u);
    EXPECT_EQ(GetMenuState(popupMenu, 2, MF_BYPOSITION) & MF_GRAYED, 0u);
    HMENU tray = createTrayMenu();
    EXPECT_EQ(itemText(tray, 0, MF_BYPOSITION), "&Hide Rabbit");
    EXPECT_EQ(itemText(tray, TRAY_LANGUAGE_POSITION, MF_BYPOSITION), "&Language");
    EXPECT_NE(GetMenuState(GetSubMenu(tray, TRAY_LANGUAGE_POSITION), 2, MF_BYPOSITION) & MF_CHECKED,
              0u);
    destroyTrayMenu(tray);
    EXPECT_EQ(readFileBytes(preferencesFileInTestFolder()),
              "[varnok]\r\nsize=1\r\nghost=0\r\nhotkey=\r\nlanguage=en\r\n");
    // Back in Traditional Chinese the free activity item keeps the title it was given.
    setLanguage(Language::TRADITIONAL_CHINESE);
    EXPECT_EQ(itemText(popupMenu, IDM_FREE_ACTIVITY, MF_BYCOMMAND), "自由活動");
}

TEST_F(LanguageTest, EveryDialogHasItsCaptionInEveryLanguage) {
    const struct {
        int dialogId;
        const char* captions[LANGUAGE_COUNT];
    } dialogs[] = {
        {IDD_ABOUT, {"關於", "关于", "About"}},
        {IDD_STATUS, {"狀態", "状态", "Status"}},
        {IDD_SETTINGS, {"設定", "设定", "Settings"}},
        {IDD_ITEMS, {"物品", "物品", "Items"}},
        {IDD_BONUS, {"恭喜", "恭喜", "Congratulations"}},
        {IDD_HOTKEY, {"快速鍵", "快捷键", "Hotkey"}},
    };
    appInstance = GetModuleHandleW(nullptr);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);
    for (int i = 0; i < LANGUAGE_COUNT; ++i) {
        setCurrentLanguage(allLanguages[i]);
        for (const auto& d : dialogs) {
            EXPECT_EQ(captionOf(d.dialogId), d.captions[i]) << d.dialogId;
        }
    }
}
} // namespace
