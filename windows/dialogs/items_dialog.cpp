// The items dialog: the stock as it was when the dialog opened.
#include "windows/dialogs/items_dialog.h"

#include "rabbit/pet_record.h"
#include "res/resource.h"
#include "windows/dialogs/modal_dialog.h"

INT_PTR CALLBACK itemsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        placeOnOwnersMonitor(dialog);
        SetDlgItemInt(dialog, IDC_CARROTS, static_cast<UINT>(inventory.carrots), TRUE);
        SetDlgItemInt(dialog, IDC_WATER_BOTTLES, static_cast<UINT>(inventory.waterBottles), TRUE);
        return TRUE;
    }
    if (message == WM_COMMAND && isCloseCommand(wParam)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

void openItemsDialog(HWND owner) {
    runModalDialog(IDD_ITEMS, owner, itemsDlgProc);
}
