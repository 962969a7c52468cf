// What one look at the desk costs while the rabbit walks on windows: reading 100 windows of
// another program that overlap one another and judging the ledge under the rabbit on them,
// and the quarter-second look of a rabbit standing still, which finds nothing changed.
//   varnok_perch_bench [LOOKS]        prints key=value lines
//   varnok_perch_bench --windows N    the other program: opens N windows, then waits
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "animation/perching.h"
#include "bench_time.h"
#include "desktop/running_state.h"
#include "perch/ledges.h"
#include "win_test_support.h"
#include "windows/main_window.h"
#include "windows/perch_watch.h"
#include "windows/window_ledges.h"

namespace {
constexpr int WINDOWS = 100;
constexpr UINT WINDOWS_LIFETIME_MS = 300000;

// Cascaded over the screen, each window partly covering others.
int openWindows(int count) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"VarnokBenchWindow";
    RegisterClassW(&windowClass);
    for (int i = 0; i < count; ++i) {
        CreateWindowExW(0, windowClass.lpszClassName, L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        150 + i * 37 % 600, 300 + i * 53 % 400, 300, 200, nullptr, nullptr,
                        windowClass.hInstance, nullptr);
    }
    SetTimer(nullptr, 0, WINDOWS_LIFETIME_MS, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0 && message.message != WM_TIMER) {
        DispatchMessageW(&message);
    }
    return 0;
}

int benchLooks(int looks) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine =
        L"\"" + std::wstring(self) + L"\" --windows " + std::to_wstring(WINDOWS);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION other = {};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &other)) {
        return 1;
    }
    resetProgramState();
    createRabbitWindow();
    for (int waited = 0; readDesk().windows.size() < WINDOWS && waited < 20000; waited += 100) {
        Sleep(100);
    }
    posX = 400;
    posY = 40;
    walkOnWindows(true);
    // Let it land.
    pumpMessages(2000);

    std::vector<double> whole, still, reading, judging;
    for (int i = 0; i < looks; ++i) {
        const double start = nowMs();
        lookAtDeskNow();
        whole.push_back(nowMs() - start);
        const double stillStart = nowMs();
        lookAgainIfChanged();
        still.push_back(nowMs() - stillStart);
        const double readStart = nowMs();
        const Desk desk = readDesk();
        reading.push_back(nowMs() - readStart);
        const double judgeStart = nowMs();
        landingBelow(desk, {40, 85}, {430, 40});
        judging.push_back(nowMs() - judgeStart);
    }
    std::printf("windows=%zu\nlooks=%d\nstanding=%d\nlook_ms=%.3f\nstill_ms=%.3f\nread_ms=%.3f\n"
                "judge_us=%.2f\n",
                readDesk().windows.size(), looks, ledgeStoodOn() ? 1 : 0, median(whole),
                median(still), median(reading), 1000.0 * median(judging));
    walkOnWindows(false);
    destroyRabbitWindow();
    TerminateProcess(other.hProcess, 0);
    CloseHandle(other.hThread);
    CloseHandle(other.hProcess);
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::strcmp(argv[1], "--windows") == 0) {
        return openWindows(std::atoi(argv[2]));
    }
    startWatchdog(300);
    return benchLooks(argc > 1 ? std::atoi(argv[1]) : 1000);
}
