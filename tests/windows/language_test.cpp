// The language the rabbit speaks: the one Windows' display language asks for unless
// varnok.ini names one, and a choice from the notification icon's menu that reloads the
// rabbit's menu in its states; every menu the same in every language but for its words.
#include <windows.h>

#include <cwctype>
#include <functional>
#include <initializer_list>
#include <string>

#include "life/life_clock.h"
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

// The access key of a menu text: the character after a lone "&", upper case; 0 for none.
wchar_t accessKey(const std::wstring& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == L'&' && text[i + 1] != L'&') {
            return static_cast<wchar_t>(std::towupper(text[i + 1]));
        }
        i += text[i] == L'&' ? 1 : 0;
    }
    return 0;
}

// The menu's shape, item by item: ids, states and submenus (the rabbit's own menu inside
// the notification icon's is left to itself); and what is wrong with its access keys: one
// missing (unless it may), or one that another item of the menu has too.
std::string shapeOf(HMENU menu, bool keysRequired, std::string& keyFaults) {
    std::string shape;
    std::wstring keys;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        const UINT position = static_cast<UINT>(i);
        wchar_t text[64] = {};
        GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
        const UINT state = GetMenuState(menu, position, MF_BYPOSITION);
        const UINT kind = state & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR | MF_POPUP);
        shape += std::to_string(GetMenuItemID(menu, i)) + "/" + std::to_string(kind) + " ";
        if ((state & MF_SEPARATOR) == 0) {
            const wchar_t key = accessKey(text);
            if ((key == 0 && keysRequired) || (key != 0 && keys.find(key) != std::wstring::npos)) {
                keyFaults += narrow(text) + " ";
            }
            keys += key;
        }
        HMENU sub = GetSubMenu(menu, i);
        if (sub != nullptr && sub != popupMenu) {
            shape += "[" + shapeOf(sub, keysRequired, keyFaults) + "] ";
        }
    }
    return shape;
}

// Every item of the rabbit's menu, position by position: its state and, with `titles`, its
// title.
std::string rabbitMenuItems(bool titles) {
    std::string items;
    for (int i = 0; i < GetMenuItemCount(popupMenu); ++i) {
        const UINT position = static_cast<UINT>(i);
        const UINT state = GetMenuState(popupMenu, position, MF_BYPOSITION);
        items += std::to_string(state & (MF_GRAYED | MF_DISABLED | MF_CHECKED));
        items += titles ? " " + itemText(popupMenu, position, MF_BYPOSITION) + "\n" : "\n";
    }
    return items;
}

void commands(std::initializer_list<int> ids) {
    for (int id : ids) {
        SendMessageW(mainWindow, WM_COMMAND, static_cast<WPARAM>(id), 0);
    }
}

class LanguageTest : public RabbitWindowTest {};

// Only the words change; every item has an access key of its own, but for the rabbit's
// menu in Traditional Chinese, which stays as it always was.
TEST_F(LanguageTest, EveryMenuKeepsItsItemsInEveryLanguageWithAccessKeysOfTheirOwn) {
    writeRabbitSave(200, 150);
    ASSERT_NE(createRabbitWindow(), nullptr);
    std::string rabbitShape;
    std::string trayShape;
    for (Language language : allLanguages) {
        setCurrentLanguage(language);
        std::string faults;
        HMENU bar = loadMenuInLanguage(IDR_MAIN_MENU);
        const std::string rabbit =
            shapeOf(GetSubMenu(bar, 0), language != Language::TRADITIONAL_CHINESE, faults);
        DestroyMenu(bar);
        HMENU tray = createTrayMenu();
        const std::string trayMenu = shapeOf(tray, true, faults);
        destroyTrayMenu(tray);
        EXPECT_EQ(faults, "") << languageKey(language);
        rabbitShape = rabbitShape.empty() ? rabbit : rabbitShape;
        trayShape = trayShape.empty() ? trayMenu : trayShape;
        EXPECT_EQ(rabbit, rabbitShape) << languageKey(language);
        EXPECT_EQ(trayMenu, trayShape) << languageKey(language);
    }
}

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
    EXPECT_EQ(readFileBytes(preferencesFileInTestFolder()), "[varnok]\r\nlanguage=en\r\n");
    // Back in Traditional Chinese the free activity item keeps the title it was given.
    setLanguage(Language::TRADITIONAL_CHINESE);
    EXPECT_EQ(itemText(popupMenu, IDM_FREE_ACTIVITY, MF_BYCOMMAND), "自由活動");
}

// A meal, a drink, labour or a toggle of free activity retitles its item, which a switch
// gives its title again: the item's state stays the rabbit's all the same.
TEST_F(LanguageTest, EveryItemKeepsItsStateAndTitleAcrossASwitchInEveryRabbitState) {
    const struct {
        const char* state;
        bool rabbit;
        std::function<void()> reach;
    } states[] = {
        {"no rabbit", false, [] {}},
        {"awake", true,
         [] {
             commands({IDM_FREE_ACTIVITY, IDM_FREE_ACTIVITY});
         }},
        {"free", true, [] { commands({IDM_FREE_ACTIVITY}); }},
        {"sleeping", true,
         [] {
             commands({IDM_FREE_ACTIVITY, IDM_SLEEP});
         }},
        {"dead", true,
         [] {
             commands({IDM_FREE_ACTIVITY, IDM_FREE_ACTIVITY});
             pet.food = 0;
             // The second tick is a needs step.
             lifeClockTick();
             lifeClockTick();
         }},
    };
    for (const auto& s : states) {
        SCOPED_TRACE(s.state);
        if (s.rabbit) {
            writeRabbitSave(200, 150);
        }
        ASSERT_NE(createRabbitWindow(), nullptr);
        s.reach();
        const std::string itemStates = rabbitMenuItems(false);
        const std::string items = rabbitMenuItems(true);
        setLanguage(Language::ENGLISH);
        EXPECT_EQ(rabbitMenuItems(false), itemStates);
        setLanguage(Language::TRADITIONAL_CHINESE);
        EXPECT_EQ(rabbitMenuItems(true), items);
        destroyRabbitWindow();
        resetProgramState();
        removeSaveFile();
        DeleteFileW(preferencesFileInTestFolder().c_str());
    }
}
} // namespace
