// The hotkey dialog: 確定 takes the keys in the control, 無 takes none, 取消 keeps the
// hotkey; keys that cannot become the hotkey keep the dialog open with a box that says why.
#include "windows/dialogs/hotkey_dialog.h"

#include <commctrl.h>

#include "language/texts.h"
#include "res/resource.h"
#include "windows/chosen_preferences.h"
#include "windows/dialogs/modal_dialog.h"
#include "windows/hotkey.h"
#include "windows/wide_text.h"

namespace {
struct ModifierPair {
    BYTE control; // the hotkey control's flag
    unsigned hotkey;
};

const ModifierPair modifierPairs[] = {
    {HOTKEYF_CONTROL, HOTKEY_CTRL},
    {HOTKEYF_ALT, HOTKEY_ALT},
    {HOTKEYF_SHIFT, HOTKEY_SHIFT},
};

// The control cannot show Win: keys left as they were shown keep the hotkey as it is.
WORD shownKeys;

WORD controlKeys(const Hotkey& hotkey) {
    BYTE flags = 0;
    for (const ModifierPair& pair : modifierPairs) {
        if ((hotkey.modifiers & pair.hotkey) != 0) {
            flags |= pair.control;
        }
    }
    return MAKEWORD(hotkey.key, flags);
}

Hotkey hotkeyOf(WORD keys) {
    Hotkey hotkey;
    hotkey.key = LOBYTE(keys);
    for (const ModifierPair& pair : modifierPairs) {
        if ((HIBYTE(keys) & pair.control) != 0) {
            hotkey.modifiers |= pair.hotkey;
        }
    }
    return hotkey;
}

// The whole hotkey where the control falls short: taken by another program, or with Win.
void showHotkeyState(HWND dialog) {
    const Hotkey& chosen = chosenPreferences().hotkey;
    std::wstring state;
    if (hotkeyTaken() || (chosen.modifiers & HOTKEY_WIN) != 0) {
        state = widen(hotkeyText(chosen));
    }
    if (hotkeyTaken()) {
        state += widen(text(TextId::HOTKEY_TAKEN));
    }
    SetDlgItemTextW(dialog, IDC_HOTKEY_STATE, state.c_str());
}

void initHotkeyDialog(HWND dialog) {
    HWND control = GetDlgItem(dialog, IDC_HOTKEY);
    // A key with Shift or nothing would take that key from all typing.
    SendMessageW(control, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S,
                 MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
    shownKeys = controlKeys(chosenPreferences().hotkey);
    SendMessageW(control, HKM_SETHOTKEY, shownKeys, 0);
    showHotkeyState(dialog);
}

// False, after a box that says why, when the keys cannot become the hotkey.
bool takeHotkey(HWND dialog, const Hotkey& wanted) {
    if (wanted.key != 0 && !hotkeyAllowed(wanted)) {
        warnOver(dialog, TextId::HOTKEY_KEY_REFUSED);
        return false;
    }
    if (!setHotkey(wanted)) {
        warnOver(dialog, TextId::HOTKEY_TAKEN_BOX);
        return false;
    }
    return true;
}

Hotkey chosenHotkey(HWND dialog) {
    const WORD keys =
        static_cast<WORD>(SendDlgItemMessageW(dialog, IDC_HOTKEY, HKM_GETHOTKEY, 0, 0));
    return keys == shownKeys ? chosenPreferences().hotkey : hotkeyOf(keys);
}
} // namespace

INT_PTR CALLBACK hotkeyDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        initHotkeyDialog(dialog);
        return TRUE;
    }
    if (message != WM_COMMAND) {
        return FALSE;
    }
    switch (LOWORD(wParam)) {
    case IDOK:
        if (takeHotkey(dialog, chosenHotkey(dialog))) {
            EndDialog(dialog, IDOK);
        }
        return TRUE;
    case IDC_HOTKEY_NONE:
        takeHotkey(dialog, Hotkey());
        EndDialog(dialog, IDC_HOTKEY_NONE);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

void openHotkeyDialog(HWND owner) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);
    runModalDialog(IDD_HOTKEY, owner, hotkeyDlgProc);
}
