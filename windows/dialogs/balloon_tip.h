// A warning balloon pointing at a control, as Windows shows one for an edit's refused
// typing, made with the tooltip control so that it shows wherever tooltips do.
#pragma once

#include <windows.h>

#include <string>

// Shows it below the middle of the control, in place of any shown before; it goes after a
// few seconds, at hideBalloonTip, or with the control's dialog.
void showBalloonTip(HWND control, const std::wstring& title, const std::wstring& text);
void hideBalloonTip();
