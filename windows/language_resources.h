// The program's menus and dialog templates in the language it speaks now, each found by
// that language's id: Windows would otherwise choose by the thread's locale, which knows
// neither the program's choice nor its rule for Chinese of Hong Kong.
#pragma once

#include <windows.h>

#include "language/language.h"

// Windows' display language of the user; the tests stand in the one they need.
extern LANGID(WINAPI* userDisplayLanguage)();
// The language Windows' display language of the user asks for.
Language displayLanguage();

HMENU loadMenuInLanguage(int menuId);
const DLGTEMPLATE* dialogTemplateInLanguage(int dialogId);
