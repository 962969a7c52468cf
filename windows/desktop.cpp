// The desktop seam on Win32: timers, boxes and menu items of the rabbit window.
#include "desktop/desktop.h"

#include "windows/main_window.h"
#include "windows/rabbit_menu.h"
#include "windows/rabbit_visibility.h"
#include "windows/wide_text.h"

void startTimer(int timerId, int intervalMs) {
    SetTimer(mainWindow, static_cast<UINT_PTR>(timerId), static_cast<UINT>(intervalMs), nullptr);
}

void stopTimer(int timerId) {
    KillTimer(mainWindow, static_cast<UINT_PTR>(timerId));
}

void redrawRabbit() {
    InvalidateRect(mainWindow, nullptr, FALSE);
}

// A hidden rabbit shows itself with the boxes it opens.
void showReport(const std::string& text, const std::string& caption) {
    showRabbit();
    MessageBoxW(mainWindow, widen(text).c_str(), widen(caption).c_str(), MB_OK);
}

bool askYesNo(const std::string& text, const std::string& caption) {
    showRabbit();
    return MessageBoxW(mainWindow, widen(text).c_str(), widen(caption).c_str(), MB_YESNO) == IDYES;
}

void enableMenuPosition(int position, bool enabled) {
    EnableMenuItem(popupMenu, static_cast<UINT>(position),
                   MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

void setMenuItemText(int commandId, TextId text) {
    retitleRabbitMenuItem(commandId, text);
}

std::string big5ToUtf8(const char* bytes, std::size_t length) {
    return narrow(big5ToWide(bytes, length));
}

std::string utf8ToBig5(const std::string& text) {
    std::string bytes;
    wideToBig5(widen(text), bytes);
    return bytes;
}
