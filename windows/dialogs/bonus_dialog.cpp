// The bonus dialog: ten carrots or bottles a click, kept in memory until the next save.
#include "windows/dialogs/bonus_dialog.h"

#include "rabbit/pet_record.h"
#include "rabbit/wrap32.h"
#include "res/resource.h"
#include "windows/dialogs/modal_dialog.h"

namespace {
constexpr int32_t BONUS_STOCK = 10;
} // namespace

INT_PTR CALLBACK bonusDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        placeOnOwnersMonitor(dialog);
        SetDlgItemInt(dialog, IDC_ANGEL_POINTS, static_cast<UINT>(gradePoints.angelPoints), TRUE);
        SetDlgItemInt(dialog, IDC_DEVIL_POINTS, static_cast<UINT>(gradePoints.devilPoints), TRUE);
        return TRUE;
    }
    if (message != WM_COMMAND) {
        return FALSE;
    }
    if (isCloseCommand(wParam)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    // No upper limit; neither button refreshes what is shown or saves.
    if (LOWORD(wParam) == IDC_CARROTS) {
        inventory.carrots = wrapAdd(inventory.carrots, BONUS_STOCK);
    } else if (LOWORD(wParam) == IDC_WATER_BOTTLES) {
        inventory.waterBottles = wrapAdd(inventory.waterBottles, BONUS_STOCK);
    }
    return FALSE;
}

void openBonusDialog(HWND parent) {
    runModalDialog(IDD_BONUS, parent, bonusDlgProc);
}
