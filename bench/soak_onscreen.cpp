// The soak under Windows: the real window with its real outlines and paint, and the
// real save file; only the clock and the boxes are simulated.
#include <windows.h>

#include <psapi.h>

#include "gui_objects.h"
#include "soak_platform.h"
#include "win_test_support.h"
#include "windows/main_window.h"

void openSoakWindow() {
    createRabbitWindow();
}

void closeSoakWindow() {
    destroyRabbitWindow();
}

void showSoakFrame() {
    UpdateWindow(mainWindow);
    pumpMessages(0);
}

long residentKb() {
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    return static_cast<long>(memory.WorkingSetSize / 1024);
}

bool countDrawingObjects(int& gdi, int& user) {
    const GuiObjects objects = countGuiObjects();
    gdi = objects.gdi;
    user = objects.user();
    return true;
}
