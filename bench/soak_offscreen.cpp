// The soak on the host: nothing is drawn, saves are encoded and dropped, memory is
// read from /proc.
#include <cstdlib>
#include <fstream>
#include <string>

#include "desktop/desktop.h"
#include "save/save_image.h"
#include "soak_platform.h"

void openSoakWindow() {}
void closeSoakWindow() {}
void showSoakFrame() {}

void applySpriteRegion(int) {}

void saveState() {
    encodeSaveImage();
}

long residentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::atol(line.c_str() + 6);
        }
    }
    return -1;
}

bool countDrawingObjects(int&, int&) {
    return false;
}
