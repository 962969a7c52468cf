// The notification icon's menu: its items follow the rabbit's state as it opens; its own
// commands run here, the rabbit's go to the rabbit window as from its own menu.
#include "windows/tray_menu.h"

#include "language/texts.h"
#include "res/resource.h"
#include "windows/chosen_preferences.h"
#include "windows/dialogs/hotkey_dialog.h"
#include "windows/language_resources.h"
#include "windows/main_window.h"
#include "windows/rabbit_size.h"
#include "windows/rabbit_visibility.h"
#include "windows/skin_menu.h"
#include "windows/wide_text.h"

namespace {
UINT sizeCommand(int size) {
    return static_cast<UINT>(IDM_TRAY_SIZE_1 + size - SMALLEST_SIZE);
}

UINT languageCommand(int index) {
    return static_cast<UINT>(IDM_TRAY_LANGUAGE_FIRST + index);
}

UINT greyedUnless(bool enabled) {
    return enabled ? MF_ENABLED : MF_GRAYED;
}

void checkItem(HMENU menu, UINT command, bool checked) {
    CheckMenuItem(menu, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

// Each language under its own name, the one spoken now checked.
HMENU createLanguageMenu() {
    HMENU menu = CreatePopupMenu();
    int spoken = 0;
    for (int i = 0; i < LANGUAGE_COUNT; ++i) {
        AppendMenuW(menu, MF_STRING, languageCommand(i),
                    widen(languageMenuName(allLanguages[i])).c_str());
        spoken = allLanguages[i] == currentLanguage() ? i : spoken;
    }
    CheckMenuRadioItem(menu, languageCommand(0), languageCommand(LANGUAGE_COUNT - 1),
                       languageCommand(spoken), MF_BYCOMMAND);
    return menu;
}

void setItemText(HMENU menu, UINT command, const std::wstring& text) {
    MENUITEMINFOW item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = const_cast<wchar_t*>(text.c_str());
    SetMenuItemInfoW(menu, command, FALSE, &item);
}

void runTrayCommand(HWND owner, int command) {
    switch (command) {
    case 0: // dismissed
        break;
    case IDM_TRAY_HIDE:
        toggleRabbitHidden();
        break;
    case IDM_TRAY_GHOST:
        setGhostMode(!chosenPreferences().ghost);
        break;
    case IDM_TRAY_PERCH:
        setPerching(!chosenPreferences().perch);
        break;
    case IDM_TRAY_SIZE_1:
    case IDM_TRAY_SIZE_2:
    case IDM_TRAY_SIZE_3:
        setRabbitSize(command - IDM_TRAY_SIZE_1 + SMALLEST_SIZE);
        break;
    case IDM_TRAY_HOTKEY:
        openHotkeyDialog(owner);
        break;
    default:
        if (command >= IDM_TRAY_LANGUAGE_FIRST &&
            command < IDM_TRAY_LANGUAGE_FIRST + LANGUAGE_COUNT) {
            setLanguage(allLanguages[command - IDM_TRAY_LANGUAGE_FIRST]);
            break;
        }
        if (runSkinCommand(command)) {
            break;
        }
        // The rabbit's own commands and exit, as its own menu sends them.
        PostMessageW(mainWindow, WM_COMMAND, static_cast<WPARAM>(command), 0);
        break;
    }
}
} // namespace

HMENU createTrayMenu() {
    HMENU bar = loadMenuInLanguage(IDR_TRAY_MENU);
    HMENU menu = GetSubMenu(bar, 0);
    RemoveMenu(bar, 0, MF_BYPOSITION);
    DestroyMenu(bar);
    if (rabbitHidden()) {
        setItemText(menu, IDM_TRAY_HIDE, widen(text(TextId::TRAY_SHOW)));
    }
    checkItem(menu, IDM_TRAY_GHOST, chosenPreferences().ghost);
    checkItem(menu, IDM_TRAY_PERCH, chosenPreferences().perch);
    for (int size = SMALLEST_SIZE; size <= LARGEST_SIZE; ++size) {
        EnableMenuItem(menu, sizeCommand(size),
                       MF_BYCOMMAND | greyedUnless(rabbitSizeOffered(size)));
    }
    CheckMenuRadioItem(menu, sizeCommand(SMALLEST_SIZE), sizeCommand(LARGEST_SIZE),
                       sizeCommand(rabbitSize()), MF_BYCOMMAND);
    InsertMenuW(menu, TRAY_LANGUAGE_POSITION, MF_BYPOSITION | MF_POPUP,
                reinterpret_cast<UINT_PTR>(createLanguageMenu()),
                widen(text(TextId::TRAY_LANGUAGE)).c_str());
    insertSkinMenu(menu, TRAY_SKIN_POSITION);
    // While one of the rabbit's boxes or dialogs is open its window is disabled and its own
    // menu cannot open: its commands, and exit, wait until that closes here too.
    const bool rabbitFree = IsWindowEnabled(mainWindow) != FALSE;
    InsertMenuW(menu, TRAY_MAIN_MENU_POSITION, MF_BYPOSITION | MF_POPUP | greyedUnless(rabbitFree),
                reinterpret_cast<UINT_PTR>(popupMenu), widen(text(TextId::TRAY_MAIN_MENU)).c_str());
    // By position: by its command, the rabbit's own menu's exit would be found first.
    EnableMenuItem(menu, TRAY_EXIT_POSITION, MF_BYPOSITION | greyedUnless(rabbitFree));
    return menu;
}

void destroyTrayMenu(HMENU menu) {
    RemoveMenu(menu, TRAY_MAIN_MENU_POSITION, MF_BYPOSITION);
    DestroyMenu(menu);
}

void openTrayMenu(HWND owner, POINT at) {
    HMENU menu = createTrayMenu();
    // Only a menu whose owner is in the foreground closes when the user clicks elsewhere.
    SetForegroundWindow(owner);
    const UINT alignment =
        GetSystemMetrics(SM_MENUDROPALIGNMENT) != 0 ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    // The command comes back here, so the tray's own ids never reach the rabbit window.
    const BOOL command = TrackPopupMenuEx(menu, alignment | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x,
                                          at.y, owner, nullptr);
    // The task switch this forces lets the next opening close on a click elsewhere too.
    PostMessageW(owner, WM_NULL, 0, 0);
    destroyTrayMenu(menu);
    runTrayCommand(owner, command);
}
