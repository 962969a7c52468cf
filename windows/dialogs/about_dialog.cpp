// The about box: a blue link to the forum and, behind the program icon, the bonus dialog.
#include "windows/dialogs/about_dialog.h"

#include <shellapi.h>

#include "res/resource.h"
#include "windows/dialogs/bonus_dialog.h"
#include "windows/dialogs/modal_dialog.h"
#include "windows/main_window.h"

namespace {
// The link shows the home page but opens the forum.
const wchar_t FORUM_PAGE[] = L"http://forum.example.org/5/default.asp?name=carrotfan";
constexpr COLORREF LINK_COLOUR = RGB(0, 0, 255);

// Behind the link's blue text, while the box is open.
HBRUSH buttonFaceBrush;

// The replaced window procedure waits in the control's user data.
void subclassControl(HWND dialog, int id, WNDPROC procedure) {
    HWND control = GetDlgItem(dialog, id);
    SetWindowLongPtrW(control, GWLP_USERDATA, GetWindowLongPtrW(control, GWLP_WNDPROC));
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

LRESULT callReplaced(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC replaced = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_USERDATA));
    return CallWindowProcW(replaced, control, message, wParam, lParam);
}

// A static control is transparent to the mouse unless it claims the client area itself.
LRESULT CALLBACK linkProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR:
        SetCursor(linkCursor);
        return 0;
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_LBUTTONUP:
        ShellExecuteW(nullptr, nullptr, FORUM_PAGE, nullptr, nullptr, SW_SHOWNORMAL);
        return 0;
    }
    return callReplaced(control, message, wParam, lParam);
}

LRESULT CALLBACK iconProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_LBUTTONUP:
        openBonusDialog(control);
        return 0;
    }
    return callReplaced(control, message, wParam, lParam);
}

INT_PTR colourLink(HDC dc, HWND control) {
    if (GetDlgCtrlID(control) != IDC_LINK) {
        return 0;
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, LINK_COLOUR);
    return reinterpret_cast<INT_PTR>(buttonFaceBrush);
}
} // namespace

INT_PTR CALLBACK aboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        placeOnOwnersMonitor(dialog);
        buttonFaceBrush = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
        subclassControl(dialog, IDC_LINK, linkProc);
        subclassControl(dialog, IDC_ABOUT_ICON, iconProc);
        return TRUE;
    case WM_COMMAND:
        if (isCloseCommand(wParam)) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    case WM_CTLCOLORSTATIC:
        return colourLink(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DESTROY:
        DeleteObject(buttonFaceBrush);
        buttonFaceBrush = nullptr;
        return FALSE;
    }
    return FALSE;
}

void openAboutDialog(HWND owner) {
    runModalDialog(IDD_ABOUT, owner, aboutDlgProc);
}
