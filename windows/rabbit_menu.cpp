// The rabbit's menu: greyed and retitled by the rabbit's life, and loaded again in another
// language without losing either.
#include "windows/rabbit_menu.h"

#include <map>

#include "res/resource.h"
#include "windows/language_resources.h"
#include "windows/main_window.h"
#include "windows/wide_text.h"

namespace {
// The items given a title of their own since creation, and which.
std::map<int, TextId> retitled;

void retitle(int commandId, TextId title) {
    // A plain string item with no other flags, which also leaves the item enabled.
    ModifyMenuW(popupMenu, static_cast<UINT>(commandId), MF_BYCOMMAND | MF_STRING,
                static_cast<UINT_PTR>(commandId), widen(text(title)).c_str());
}
} // namespace

void loadRabbitMenu() {
    menuBar = loadMenuInLanguage(IDR_MAIN_MENU);
    popupMenu = GetSubMenu(menuBar, 0);
    retitled.clear();
}

void reloadRabbitMenu() {
    HMENU oldBar = menuBar;
    HMENU oldMenu = popupMenu;
    menuBar = loadMenuInLanguage(IDR_MAIN_MENU);
    popupMenu = GetSubMenu(menuBar, 0);
    for (const auto& item : retitled) {
        retitle(item.first, item.second);
    }
    // Only now: a retitle enables its item, which a sleeping or dead rabbit's menu greys.
    const int count = GetMenuItemCount(oldMenu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW state = {};
        state.cbSize = sizeof state;
        state.fMask = MIIM_STATE;
        GetMenuItemInfoW(oldMenu, static_cast<UINT>(position), TRUE, &state);
        SetMenuItemInfoW(popupMenu, static_cast<UINT>(position), TRUE, &state);
    }
    DestroyMenu(oldBar);
}

void retitleRabbitMenuItem(int commandId, TextId title) {
    retitled[commandId] = title;
    retitle(commandId, title);
}
