// Another program's captioned window for the rabbit to walk on: opened where the test says,
// then moved, minimised, maximised, hidden, shown or closed on command from another run of
// this program. Wine 8 raises none of the window events Windows raises for these changes,
// so the window announces each one itself, as Windows would.
//   window_stand_in open NAME X Y WIDTH HEIGHT   (ends when closed, or after two minutes)
//   window_stand_in move NAME X Y WIDTH HEIGHT
//   window_stand_in minimise|maximise|restore|hide|show|close NAME
#include <windows.h>

#include <cwchar>

namespace {
constexpr wchar_t STAND_IN_CLASS[] = L"VarnokWindowStandIn";
constexpr UINT LIFETIME_MS = 120000;

struct Command {
    int verb; // an index into verbs
    RECT place;
};

const wchar_t* const verbs[] = {L"move", L"minimise", L"maximise", L"restore",
                                L"hide", L"show",     L"close"};
enum Verb { MOVE, MINIMISE, MAXIMISE, RESTORE, HIDE, SHOW, CLOSE };

struct Change {
    int showCommand;
    DWORD event;
};
const Change changes[] = {{0, EVENT_OBJECT_LOCATIONCHANGE},
                          {SW_MINIMIZE, EVENT_SYSTEM_MINIMIZESTART},
                          {SW_MAXIMIZE, EVENT_OBJECT_LOCATIONCHANGE},
                          {SW_RESTORE, EVENT_SYSTEM_MINIMIZEEND},
                          {SW_HIDE, EVENT_OBJECT_HIDE},
                          {SW_SHOWNA, EVENT_OBJECT_SHOW},
                          {0, EVENT_OBJECT_DESTROY}};

void announce(DWORD event, HWND window) {
    NotifyWinEvent(event, window, OBJID_WINDOW, CHILDID_SELF);
}

void carryOut(HWND window, const Command& command) {
    const Change& change = changes[command.verb];
    if (command.verb == CLOSE) {
        DestroyWindow(window);
    } else if (command.verb == MOVE) {
        const RECT& r = command.place;
        SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        ShowWindow(window, change.showCommand);
    }
    announce(change.event, window);
}

LRESULT CALLBACK standInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COPYDATA: {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (data->cbData == sizeof(Command)) {
            carryOut(window, *static_cast<const Command*>(data->lpData));
        }
        return TRUE;
    }
    case WM_TIMER:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

RECT placeOf(wchar_t** numbers) {
    const int x = _wtoi(numbers[0]);
    const int y = _wtoi(numbers[1]);
    return {x, y, x + _wtoi(numbers[2]), y + _wtoi(numbers[3])};
}

int open(const wchar_t* name, const RECT& place) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = standInProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = STAND_IN_CLASS;
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, STAND_IN_CLASS, name, WS_OVERLAPPEDWINDOW, place.left,
                                  place.top, place.right - place.left, place.bottom - place.top,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    announce(EVENT_OBJECT_SHOW, window);
    SetTimer(window, 1, LIFETIME_MS, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}

int command(int verb, const wchar_t* name, const RECT& place) {
    HWND window = FindWindowW(STAND_IN_CLASS, name);
    if (window == nullptr) {
        return 1;
    }
    Command sent = {verb, place};
    COPYDATASTRUCT data = {0, sizeof sent, &sent};
    SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    return 0;
}
} // namespace

int wmain(int argc, wchar_t** argv) {
    const bool placed = argc == 7;
    if (argc >= 3 && std::wcscmp(argv[1], L"open") == 0 && placed) {
        return open(argv[2], placeOf(argv + 3));
    }
    for (int verb = 0; verb < static_cast<int>(sizeof verbs / sizeof verbs[0]); ++verb) {
        if (argc >= 3 && std::wcscmp(argv[1], verbs[verb]) == 0 && (verb != MOVE || placed)) {
            return command(verb, argv[2], placed ? placeOf(argv + 3) : RECT{});
        }
    }
    return 2;
}
