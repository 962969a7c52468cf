// Opening the program's dialogs in a test, and reading and clicking their controls.
#include "dialog_test_support.h"

#include "res/resource.h"
#include "windows/language_resources.h"
#include "windows/main_window.h"
#include "windows/save_file.h"
#include "windows/wide_text.h"

HWND openModeless(int templateId, DLGPROC procedure) {
    return CreateDialogIndirectParamW(appInstance, dialogTemplateInLanguage(templateId), nullptr,
                                      procedure, 0);
}

void closeModeless(HWND dialog, int command) {
    SendMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(command), 0);
    DestroyWindow(dialog);
}

std::string controlText(HWND dialog, int id) {
    wchar_t text[256] = {};
    GetDlgItemTextW(dialog, id, text, 256);
    return narrow(text);
}

void setControlText(HWND dialog, int id, const std::string& utf8) {
    SetDlgItemTextW(dialog, id, widen(utf8).c_str());
}

bool controlEnabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

void clickButton(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    const LONG_PTR kind = GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK;
    if (kind == BS_AUTOCHECKBOX) {
        const bool checked = IsDlgButtonChecked(dialog, id) == BST_CHECKED;
        CheckDlgButton(dialog, id, checked ? BST_UNCHECKED : BST_CHECKED);
    }
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

GuiObjectCount countGuiObjectsNow() {
    return {GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
            GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), gdiObjectsByHandle()};
}

std::string guiObjectGrowth(const GuiObjectCount& before) {
    const GuiObjectCount now = countGuiObjectsNow();
    std::string growth;
    const struct {
        const char* name;
        long long grown;
    } counts[] = {{"GDI", static_cast<long long>(now.gdi) - before.gdi},
                  {"USER", static_cast<long long>(now.user) - before.user},
                  {"GDI by handle", now.gdiByHandle - before.gdiByHandle}};
    for (const auto& count : counts) {
        if (count.grown != 0) {
            growth += std::string(count.name) + " objects " + std::to_string(count.grown) + "; ";
        }
    }
    return growth;
}

void DialogTest::SetUp() {
    resetProgramState();
    appInstance = GetModuleHandleW(nullptr);
    linkCursor = LoadCursorW(appInstance, MAKEINTRESOURCEW(IDC_LINK_HAND));
    buildSaveFilePath();
    removeSaveFile();
    boxes.install();
}

void DialogTest::TearDown() {
    boxes.uninstall();
    removeSaveFile();
}
