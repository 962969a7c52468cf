// The program's entry: start the rabbit window, then run the message loop.
#include <windows.h>

#include "res/resource.h"
#include "windows/single_instance.h"
#include "windows/startup.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    if (!claimRabbitFolder()) {
        return 0;
    }
    loadWindowStrings(instance);
    registerMainClass(instance);
    if (initMainWindow(instance, showCommand) == 0) {
        return 0;
    }
    HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    MSG message = {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Alt+"?" and Alt+"/" reach the about box whichever window has the focus.
        if (TranslateAcceleratorW(message.hwnd, accelerators, &message) == 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
