// The watchdog, the modal-box hook and the rabbit window helpers of the Windows tests.
#include "win_test_support.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <thread>

#include "animation/idle_animations.h"
#include "animation/pose_table.h"
#include "animation/walking.h"
#include "desktop/running_state.h"
#include "life/care.h"
#include "life/life_clock.h"
#include "rabbit/pet_record.h"
#include "rabbit/random.h"
#include "rabbit/settings.h"
#include "windows/language_resources.h"
#include "windows/main_window.h"
#include "windows/startup.h"
#include "windows/wide_text.h"

namespace {
constexpr int WATCHDOG_EXIT_CODE = 3;
constexpr int MESSAGE_BOX_TEXT_ID = 0xFFFF;
constexpr wchar_t BUILT_FOLDER_VARIABLE[] = L"VARNOK_TEST_BUILT_FOLDER";

ModalBoxAnswerer* activeAnswerer = nullptr;
HHOOK boxHook = nullptr;
std::set<HWND> answeredBoxes;
bool quitSeen = false;
HANDLE watchdogRestart = nullptr;

std::wstring classOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring textOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(window, &text[0], length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

LRESULT CALLBACK boxHookProc(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && activeAnswerer != nullptr && classOf(window) == L"#32770" &&
        answeredBoxes.insert(window).second) {
        activeAnswerer->answer(window);
    } else if (code == HCBT_DESTROYWND) {
        answeredBoxes.erase(window);
    }
    return CallNextHookEx(boxHook, code, wParam, lParam);
}

// A held box is answered by a timer on the box itself, so the nested modal loop keeps
// running the rabbit's timers until then.
void CALLBACK postHeldAnswer(HWND box, UINT, UINT_PTR answer, DWORD) {
    KillTimer(box, answer);
    PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(answer), 0);
}

// Goes on past the main monitor only.
BOOL CALLBACK takeUnlessMain(HMONITOR candidate, HDC, LPRECT, LPARAM found) {
    auto& info = *reinterpret_cast<MONITORINFO*>(found);
    GetMonitorInfoW(candidate, &info);
    return (info.dwFlags & MONITORINFOF_PRIMARY) != 0 ? TRUE : FALSE;
}

HINSTANCE programInstance() {
    return GetModuleHandleW(nullptr);
}
} // namespace

void startWatchdog(int seconds) {
    watchdogRestart = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    std::thread([seconds] {
        while (WaitForSingleObject(watchdogRestart, static_cast<DWORD>(seconds) * 1000) ==
               WAIT_OBJECT_0) {
        }
        std::fprintf(stderr, "watchdog: the run went %d s without progress\n", seconds);
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), WATCHDOG_EXIT_CODE);
    }).detach();
}

void restartWatchdog() {
    SetEvent(watchdogRestart);
}

void ModalBoxAnswerer::install() {
    activeAnswerer = this;
    answeredBoxes.clear();
    boxHook = SetWindowsHookExW(WH_CBT, boxHookProc, nullptr, GetCurrentThreadId());
}

void ModalBoxAnswerer::uninstall() {
    if (boxHook != nullptr) {
        UnhookWindowsHookEx(boxHook);
        boxHook = nullptr;
    }
    activeAnswerer = nullptr;
}

std::string ModalBoxAnswerer::describe() const {
    std::string all;
    for (const SeenBox& box : seen) {
        all += "[" + box.caption + "] " + box.text + "\n";
    }
    return all;
}

void ModalBoxAnswerer::answer(HWND box) {
    wchar_t body[512] = {};
    GetDlgItemTextW(box, MESSAGE_BOX_TEXT_ID, body, 512);
    seen.push_back({narrow(textOf(box)), narrow(body)});
    int command = onOpen ? onOpen(box) : 0;
    if (command == 0) {
        command = IDOK;
        if (!answers.empty()) {
            command = answers.front();
            answers.pop_front();
        }
    }
    if (holdMs > 0) {
        SetTimer(box, static_cast<UINT_PTR>(command), static_cast<UINT>(holdMs), postHeldAnswer);
    } else {
        PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(command), 0);
    }
}

std::wstring folderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L"\\/"));
}

std::wstring testFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return folderOf(path);
}

std::wstring builtFolder() {
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(BUILT_FOLDER_VARIABLE, folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(folder) : testFolder();
}

void passBuiltFolder(const std::wstring& folder) {
    SetEnvironmentVariableW(BUILT_FOLDER_VARIABLE, folder.c_str());
}

std::wstring saveFileInTestFolder() {
    return testFolder() + L"\\rabbit.dat";
}

void writeSaveFile(const SaveImage& image) {
    writeSaveFileBytes(std::string(image.begin(), image.end()));
}

void writeSaveFileBytes(const std::string& bytes) {
    std::ofstream file(saveFileInTestFolder().c_str(), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readSaveFileBytes() {
    std::ifstream file(saveFileInTestFolder().c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<RECT> regionRects(HRGN region) {
    std::vector<BYTE> data(GetRegionData(region, 0, nullptr));
    GetRegionData(region, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
    const auto* header = reinterpret_cast<const RGNDATAHEADER*>(data.data());
    const auto* first = reinterpret_cast<const RECT*>(data.data() + header->dwSize);
    return std::vector<RECT>(first, first + header->nCount);
}

void removeSaveFile() {
    DeleteFileW(saveFileInTestFolder().c_str());
}

std::wstring preferencesFileInTestFolder() {
    return testFolder() + L"\\varnok.ini";
}

HWND createRabbitWindow() {
    static bool registered = false;
    if (!registered) {
        loadWindowStrings(programInstance());
        registerMainClass(programInstance());
        registered = true;
    }
    initMainWindow(programInstance(), SW_SHOWNOACTIVATE);
    return mainWindow;
}

bool destroyRabbitWindow() {
    if (mainWindow == nullptr || !IsWindow(mainWindow)) {
        mainWindow = nullptr;
        return false;
    }
    quitSeen = false;
    DestroyWindow(mainWindow);
    mainWindow = nullptr;
    pumpMessages(0);
    return quitSeen;
}

namespace {
RECT openedMenu;

// Closes a popup menu from inside its own modal loop, noting where it was.
void CALLBACK closeOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu != nullptr && IsWindowVisible(menu)) {
        GetWindowRect(menu, &openedMenu);
    }
    EndMenu();
}
} // namespace

RECT menuRectAfter(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SetRectEmpty(&openedMenu);
    const UINT_PTR closer = SetTimer(nullptr, 0, 200, closeOpenMenu);
    SendMessageW(window, message, wParam, lParam);
    KillTimer(nullptr, closer);
    return openedMenu;
}

RECT rightClickMenuRect(WPARAM buttons) {
    return menuRectAfter(mainWindow, WM_RBUTTONDOWN, buttons, MAKELPARAM(20, 30));
}

void writeRabbitSave(int x, int y) {
    resetProgramState();
    hasPet = 1;
    posX = x;
    posY = y;
    pet.food = pet.water = 80;
    pet.foodMax = pet.waterMax = pet.staminaMax = pet.stamina = 100;
    writeSaveFile(encodeSaveImage());
    resetProgramState();
}

bool otherMonitor(MONITORINFO& monitor) {
    monitor = {};
    monitor.cbSize = sizeof monitor;
    EnumDisplayMonitors(nullptr, nullptr, takeUnlessMain, reinterpret_cast<LPARAM>(&monitor));
    return monitor.rcMonitor.right > monitor.rcMonitor.left &&
           (monitor.dwFlags & MONITORINFOF_PRIMARY) == 0;
}

RECT rabbitWindowRect() {
    RECT rect = {};
    GetWindowRect(mainWindow, &rect);
    return rect;
}

POINT rabbitBelly() {
    const RECT rabbit = rabbitWindowRect();
    return {(rabbit.left + rabbit.right) / 2, rabbit.top + (rabbit.bottom - rabbit.top) * 3 / 4};
}

std::vector<uint32_t> picturePixels(HBITMAP bitmap, SIZE size) {
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    std::vector<uint32_t> pixels;
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            pixels.push_back(GetPixel(memory, x, y));
        }
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    return pixels;
}

int gdiObjectsByHandle() {
    int count = 0;
    for (ULONG_PTR value = 1; value < 0x10000; ++value) {
        count += GetObjectType(reinterpret_cast<HGDIOBJ>(value)) != 0 ? 1 : 0;
    }
    return count;
}

bool pumpUntil(const std::function<bool()>& holds) {
    constexpr int WAIT_MS = 10000;
    constexpr int STEP_MS = 20;
    for (int waited = 0; waited < WAIT_MS && !holds(); waited += STEP_MS) {
        pumpMessages(STEP_MS);
    }
    return holds();
}

void pumpMessages(int ms) {
    const ULONGLONG until = GetTickCount64() + static_cast<ULONGLONG>(ms);
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quitSeen = true;
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= until) {
            return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(until - now), QS_ALLINPUT);
    }
}

bool quitWasPosted() {
    return quitSeen;
}

namespace {
constexpr int PRESS_WAIT_MS = 2000;
POINT dropPoint;

// Mouse input at the cursor, or a move to a screen point. Absolute moves count in 65536ths
// of the screen: the first 65536th at or past the point lands on it, whether the system
// rounds the pixel down or to the nearest.
INPUT mouseInput(DWORD flags, POINT point = {}) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if ((flags & MOUSEEVENTF_ABSOLUTE) != 0) {
        const LONGLONG width = GetSystemMetrics(SM_CXSCREEN);
        const LONGLONG height = GetSystemMetrics(SM_CYSCREEN);
        input.mi.dx = static_cast<LONG>((point.x * 65536LL + width - 1) / width);
        input.mi.dy = static_cast<LONG>((point.y * 65536LL + height - 1) / height);
    }
    return input;
}

bool sendMouse(INPUT input) {
    return SendInput(1, &input, sizeof input) == 1;
}

bool leftButtonDown() {
    return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0;
}

// Runs inside the window's moving loop: moves the mouse on and lets go.
void CALLBACK dropThere(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    INPUT drop[] = {mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, dropPoint),
                    mouseInput(MOUSEEVENTF_LEFTUP)};
    SendInput(2, drop, sizeof drop[0]);
}
} // namespace

bool clickAt(POINT point) {
    SetCursorPos(point.x, point.y);
    pumpMessages(50);
    INPUT click[] = {mouseInput(MOUSEEVENTF_LEFTDOWN), mouseInput(MOUSEEVENTF_LEFTUP)};
    return SendInput(2, click, sizeof click[0]) == 2;
}

bool dragRabbit(POINT grab, int dx, int dy) {
    SetCursorPos(grab.x, grab.y);
    pumpMessages(50);
    if (!sendMouse(mouseInput(MOUSEEVENTF_LEFTDOWN))) {
        return false;
    }
    const ULONGLONG until = GetTickCount64() + PRESS_WAIT_MS;
    while (!leftButtonDown()) {
        if (GetTickCount64() >= until) {
            return false;
        }
        Sleep(10);
    }
    dropPoint = {grab.x + dx, grab.y + dy};
    // Dispatches as the program's loop would until the press reaches the rabbit; the moving
    // loop runs inside that press's dispatch.
    while (GetTickCount64() < until) {
        MSG message;
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            continue;
        }
        const bool press = message.message == WM_LBUTTONDOWN && message.hwnd == mainWindow;
        if (press) {
            SetTimer(nullptr, 0, 100, dropThere);
        }
        quitSeen = quitSeen || message.message == WM_QUIT;
        TranslateMessage(&message);
        DispatchMessageW(&message);
        if (press) {
            return true;
        }
    }
    // Pressed elsewhere: the test finds the rabbit where it was.
    sendMouse(mouseInput(MOUSEEVENTF_LEFTUP));
    return true;
}

LANGID WINAPI traditionalChineseDisplay() {
    return MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL);
}

void RabbitWindowTest::SetUp() {
    resetProgramState();
    // The window speaks the program's own language whatever this Windows speaks.
    userDisplayLanguage = traditionalChineseDisplay;
    removeSaveFile();
    DeleteFileW(preferencesFileInTestFolder().c_str());
    boxes.install();
}

void RabbitWindowTest::TearDown() {
    destroyRabbitWindow();
    boxes.uninstall();
    removeSaveFile();
    DeleteFileW(preferencesFileInTestFolder().c_str());
}

HelperProgram::~HelperProgram() {
    if (process.hProcess != nullptr) {
        TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

bool HelperProgram::start(const std::wstring& program, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + builtFolder() + L"\\" + program + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    return CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process) != 0;
}

bool HelperProgram::ended() {
    return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
}

int HelperProgram::run(const std::wstring& program, const std::wstring& arguments) {
    HelperProgram helper;
    DWORD code = 0;
    if (!helper.start(program, arguments) ||
        WaitForSingleObject(helper.process.hProcess, 10000) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(helper.process.hProcess, &code)) {
        return -1;
    }
    return static_cast<int>(code);
}
