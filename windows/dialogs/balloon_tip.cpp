// The one balloon the program shows at a time: a tracking tooltip owned by the control's
// dialog.
#include "windows/dialogs/balloon_tip.h"

#include <commctrl.h>

#include "desktop/display_scale.h"
#include "windows/startup.h"

namespace {
constexpr UINT_PTR HIDE_TIMER = 1;
constexpr UINT SHOWN_MS = 10000;
// Wide enough for a sentence of the program's at 96 DPI, wrapped beyond.
constexpr int MOST_TIP_WIDTH = 280;

HWND tip;
// The tool keeps a pointer to its text while it shows.
std::wstring shownText;

void CALLBACK hideAfterAWhile(HWND, UINT, UINT_PTR, DWORD) {
    hideBalloonTip();
}
} // namespace

void showBalloonTip(HWND control, const std::wstring& title, const std::wstring& text) {
    hideBalloonTip();
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    HWND dialog = GetParent(control);
    tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                          WS_POPUP | TTS_NOPREFIX | TTS_BALLOON | TTS_ALWAYSTIP, 0, 0, 0, 0, dialog,
                          nullptr, nullptr, nullptr);
    shownText = text;
    TOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_IDISHWND;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = &shownText[0];
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, MulDiv(MOST_TIP_WIDTH, systemDpi(), BASE_DPI));
    SendMessageW(tip, TTM_SETTITLEW, TTI_WARNING, reinterpret_cast<LPARAM>(title.c_str()));
    RECT frame;
    GetWindowRect(control, &frame);
    SendMessageW(tip, TTM_TRACKPOSITION, 0,
                 MAKELPARAM((frame.left + frame.right) / 2, frame.bottom));
    SendMessageW(tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    SetTimer(tip, HIDE_TIMER, SHOWN_MS, hideAfterAWhile);
}

void hideBalloonTip() {
    // Gone already where its dialog was.
    if (tip != nullptr && IsWindow(tip)) {
        DestroyWindow(tip);
    }
    tip = nullptr;
}
