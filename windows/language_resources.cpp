// Finding menus and dialogs by language.
#include "windows/language_resources.h"

#include "windows/main_window.h"

namespace {
WORD resourceLanguage(Language language) {
    switch (language) {
    case Language::SIMPLIFIED_CHINESE:
        return MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
    case Language::ENGLISH:
        return MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    case Language::TRADITIONAL_CHINESE:
        break;
    }
    return MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL);
}

// The resource's bytes, which stay mapped with the program for as long as it runs.
const void* resourceInLanguage(LPCWSTR type, int id) {
    HRSRC found = FindResourceExW(appInstance, type, MAKEINTRESOURCEW(id),
                                  resourceLanguage(currentLanguage()));
    return found == nullptr ? nullptr : LockResource(LoadResource(appInstance, found));
}
} // namespace

LANGID(WINAPI* userDisplayLanguage)() = GetUserDefaultUILanguage;

Language displayLanguage() {
    return languageForDisplay(userDisplayLanguage());
}

HMENU loadMenuInLanguage(int menuId) {
    return LoadMenuIndirectW(resourceInLanguage(RT_MENU, menuId));
}

const DLGTEMPLATE* dialogTemplateInLanguage(int dialogId) {
    return static_cast<const DLGTEMPLATE*>(resourceInLanguage(RT_DIALOG, dialogId));
}
