// The settings dialog: every click takes effect at once, and closing it either way saves.
#include "windows/dialogs/settings_dialog.h"

#include "desktop/desktop.h"
#include "rabbit/pet_record.h"
#include "rabbit/settings.h"
#include "res/resource.h"
#include "windows/autostart.h"
#include "windows/dialogs/modal_dialog.h"

namespace {
void showSetting(HWND dialog, int id, int32_t setting) {
    CheckDlgButton(dialog, id, setting != 0 ? BST_CHECKED : BST_UNCHECKED);
}

int32_t checkState(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0;
}

void initSettingsDialog(HWND dialog) {
    const BOOL feedingAllowed =
        feedingSettingsAllowed(gradePoints.devilPoints, gradePoints.angelPoints) ? TRUE : FALSE;
    EnableWindow(GetDlgItem(dialog, IDC_AUTO_EAT), feedingAllowed);
    EnableWindow(GetDlgItem(dialog, IDC_AUTO_DRINK), feedingAllowed);
    showSetting(dialog, IDC_AUTO_EAT, autoEat);
    showSetting(dialog, IDC_AUTO_DRINK, autoDrink);
    showSetting(dialog, IDC_AUTO_START, autoStart);
}

void toggleAutoStart(HWND dialog) {
    const int32_t before = autoStart;
    autoStart = checkState(dialog, IDC_AUTO_START);
    if (autoStart != 0) {
        registerAutoStart();
    } else if (!unregisterAutoStart()) {
        // The program still starts with Windows: the box must not say otherwise.
        autoStart = before;
        warnOver(dialog, TextId::AUTO_START_STAYS);
    }
    // A registration that no Run key took leaves the box unticked again, a value that stays
    // ticked.
    showSetting(dialog, IDC_AUTO_START, autoStart);
}
} // namespace

INT_PTR CALLBACK settingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        placeOnOwnersMonitor(dialog);
        initSettingsDialog(dialog);
        return TRUE;
    }
    if (message != WM_COMMAND) {
        return FALSE;
    }
    if (isCloseCommand(wParam)) {
        saveState();
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    switch (LOWORD(wParam)) {
    case IDC_AUTO_START:
        toggleAutoStart(dialog);
        break;
    case IDC_AUTO_EAT:
        autoEat = checkState(dialog, IDC_AUTO_EAT);
        break;
    case IDC_AUTO_DRINK:
        autoDrink = checkState(dialog, IDC_AUTO_DRINK);
        break;
    }
    return FALSE;
}

void openSettingsDialog(HWND owner) {
    runModalDialog(IDD_SETTINGS, owner, settingsDlgProc);
}
