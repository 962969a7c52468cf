/* A plain window of another program, placed where the test says, that prints "press" for
   every left-button press it gets: the window a click through the rabbit should reach.
   below.exe X Y WIDTH HEIGHT */
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

static LRESULT CALLBACK belowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) {
        puts("press");
        fflush(stdout);
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int main(int argc, char** argv) {
    WNDCLASSA windowClass = {0};
    MSG message;
    if (argc != 5) {
        return 2;
    }
    windowClass.lpfnWndProc = belowProc;
    windowClass.hInstance = GetModuleHandleA(NULL);
    windowClass.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "below";
    RegisterClassA(&windowClass);
    CreateWindowExA(0, "below", "below", WS_POPUP | WS_VISIBLE, atoi(argv[1]), atoi(argv[2]),
                    atoi(argv[3]), atoi(argv[4]), NULL, NULL, windowClass.hInstance, NULL);
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    return 0;
}
