// Every dialog in every language: its caption, and each control's text fitting its control,
// measured in the dialog's own font, with the longest values the program puts there. ctest
// runs it at 96, 144 and 192 DPI.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "dialog_test_support.h"
#include "language/texts.h"
#include "rabbit/grade.h"
#include "rabbit/pet_record.h"
#include "res/resource.h"
#include "windows/dialogs/about_dialog.h"
#include "windows/dialogs/bonus_dialog.h"
#include "windows/dialogs/hotkey_dialog.h"
#include "windows/dialogs/items_dialog.h"
#include "windows/dialogs/settings_dialog.h"
#include "windows/dialogs/status_dialog.h"
#include "windows/startup.h"
#include "windows/wide_text.h"

namespace {
struct DialogUnderTest {
    int templateId;
    DLGPROC procedure;
    const char* captions[LANGUAGE_COUNT];
};

const DialogUnderTest dialogs[] = {
    {IDD_ABOUT, aboutDlgProc, {"關於", "关于", "About"}},
    {IDD_BONUS, bonusDlgProc, {"恭喜", "恭喜", "Congratulations"}},
    {IDD_ITEMS, itemsDlgProc, {"物品", "物品", "Items"}},
    {IDD_STATUS, statusDlgProc, {"狀態", "状态", "Status"}},
    {IDD_SETTINGS, settingsDlgProc, {"設定", "设置", "Settings"}},
    {IDD_HOTKEY, hotkeyDlgProc, {"快速鍵", "快捷键", "Hotkey"}},
};

std::wstring className(HWND control) {
    wchar_t name[64] = {};
    GetClassNameW(control, name, 64);
    return name;
}

// What the control's text needs beside itself: a button's edges, a check box's box, the
// gap at either end of a group box's title.
int marginOf(HWND control, LONG_PTR style, int dpi) {
    if (className(control) != L"Button") {
        return 0;
    }
    switch (style & BS_TYPEMASK) {
    case BS_GROUPBOX:
        return MulDiv(16, dpi, 96);
    case BS_AUTOCHECKBOX:
    case BS_CHECKBOX:
        return GetSystemMetrics(SM_CXMENUCHECK) + MulDiv(4, dpi, 96);
    default:
        return MulDiv(6, dpi, 96);
    }
}

// "" when the control's text fits it, else what overflows.
std::string overflow(HWND control, int dpi) {
    const std::wstring kind = className(control);
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
    const int length = GetWindowTextLengthW(control);
    if ((kind != L"Static" && kind != L"Button") || (kind == L"Static" && (style & SS_ICON)) ||
        length == 0) {
        return "";
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(control, &text[0], length + 1);
    text.resize(static_cast<std::size_t>(length));
    RECT client;
    GetClientRect(control, &client);
    const int width = client.right - marginOf(control, style, dpi);
    // Static text wraps at word breaks; a button's text stays on one line.
    const bool wraps = kind == L"Static" && (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP;
    UINT format = DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE);
    if (kind == L"Static" && (style & SS_NOPREFIX)) {
        format |= DT_NOPREFIX;
    }
    HDC dc = GetDC(control);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT needed = {0, 0, width, 0};
    DrawTextW(dc, text.c_str(), length, &needed, format);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    const bool groupBox = (style & BS_TYPEMASK) == BS_GROUPBOX && kind == L"Button";
    if (needed.right <= width && (groupBox || needed.bottom <= client.bottom)) {
        return "";
    }
    return "\"" + narrow(text) + "\" needs " + std::to_string(needed.right) + "x" +
           std::to_string(needed.bottom) + ", has " + std::to_string(width) + "x" +
           std::to_string(client.bottom) + "; ";
}

std::string overflowsOf(HWND dialog, int dpi) {
    std::string found;
    for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        found += overflow(control, dpi);
    }
    return found;
}

// The longest values the program writes into its dialogs.
void fillLongestValues(HWND dialog, int templateId) {
    if (templateId == IDD_HOTKEY) {
        setControlText(dialog, IDC_HOTKEY_STATE,
                       std::string("Ctrl+Alt+Shift+Win+F10") + text(TextId::HOTKEY_TAKEN));
    }
}

using ScaledDialogTextTest = DialogTest;

TEST_F(ScaledDialogTextTest, EveryDialogHasItsCaptionAndEveryTextFitsInEveryLanguage) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);
    const int dpi = systemDpi();
    hasPet = 1;
    pet.ageMonths = 99 * 12 + 11;
    // Four digits: the maxima grow by ten a year.
    pet.food = pet.foodMax = pet.water = pet.waterMax = pet.stamina = pet.staminaMax = 9999;
    pet.health = pet.happiness = pet.fatigue = 100;
    inventory.carrots = inventory.waterBottles = 9999;
    gradePoints.devilPoints = gradePoints.angelPoints = 50000;
    const int32_t gradeSums[][2] = {{0, 0},   {0, 100},  {100, 0}, {0, 400},
                                    {400, 0}, {0, 1000}, {1000, 0}};
    for (int i = 0; i < LANGUAGE_COUNT; ++i) {
        setCurrentLanguage(allLanguages[i]);
        for (const DialogUnderTest& d : dialogs) {
            HWND dialog = openModeless(d.templateId, d.procedure);
            ASSERT_NE(dialog, nullptr) << d.captions[0];
            wchar_t caption[64] = {};
            GetWindowTextW(dialog, caption, 64);
            EXPECT_EQ(narrow(caption), d.captions[i]);
            fillLongestValues(dialog, d.templateId);
            std::string found = overflowsOf(dialog, dpi);
            // Each grade's sentence in the one line of text beside its button.
            for (const auto& points : gradeSums) {
                if (d.templateId == IDD_STATUS) {
                    setControlText(dialog, IDC_GRADE_TEXT, gradeFor(points[0], points[1]).text);
                    found += overflow(GetDlgItem(dialog, IDC_GRADE_TEXT), dpi);
                }
            }
            EXPECT_EQ(found, "") << d.captions[i] << " at " << dpi << " DPI";
            closeModeless(dialog, IDCANCEL);
        }
    }
}
} // namespace
