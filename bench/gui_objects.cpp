// Counts the objects by asking every handle value what it is: GDI and USER handles
// carry their table index in the low word, and a handle with a zero high word stands
// for whatever lives at that index.
#include "gui_objects.h"

#include <vector>

#include "win_test_support.h"

namespace {
BOOL CALLBACK countWindow(HWND window, LPARAM count) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) {
        *reinterpret_cast<int*>(count) += 1;
    }
    return TRUE;
}

BOOL CALLBACK countTopWindow(HWND window, LPARAM count) {
    countWindow(window, count);
    EnumChildWindows(window, countWindow, count);
    return TRUE;
}
} // namespace

GuiObjects countGuiObjects() {
    GuiObjects objects = {};
    objects.gdiReported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    objects.userReported = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    objects.gdi = gdiObjectsByHandle();
    for (ULONG_PTR value = 1; value < 0x10000; ++value) {
        if (IsMenu(reinterpret_cast<HMENU>(value))) {
            objects.menus += 1;
        }
        ICONINFO info;
        if (GetIconInfo(reinterpret_cast<HICON>(value), &info)) {
            objects.iconsAndCursors += 1;
            DeleteObject(info.hbmMask);
            if (info.hbmColor) {
                DeleteObject(info.hbmColor);
            }
        }
    }
    EnumWindows(countTopWindow, reinterpret_cast<LPARAM>(&objects.windows));
    return objects;
}

bool probeSeesObjects() {
    countGuiObjects(); // the first look creates what the system then keeps
    const int before = countGuiObjects().gdi;
    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 50; ++i) {
        brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
    }
    const int during = countGuiObjects().gdi;
    for (HBRUSH brush : brushes) {
        DeleteObject(brush);
    }
    return during - before == 50 && countGuiObjects().gdi == before;
}
