// The folder's claim: a named mutex held by its rabbit's main thread for the program's
// life, and the rabbit's hidden window found by the same name.
#include "windows/single_instance.h"

#include <windows.h>

#include <cstdint>

#include "windows/save_file.h"
#include "windows/tray_icon.h"

namespace {
constexpr wchar_t CLAIM_PREFIX[] = L"Varnok-";
// A rabbit that holds the claim may still be starting (its window not made yet) or
// ending (its window gone): a later start waits for one or the other this long.
constexpr DWORD WAIT_STEP_MS = 100;
constexpr int WAIT_STEPS = 50;

// The folder as the file system names it: long names, the drive behind a substituted
// one, links resolved; as written where it cannot tell.
std::wstring finalFolderPath() {
    const std::wstring module = modulePath();
    const std::wstring folder = module.substr(0, module.rfind(L'\\') + 1);
    HANDLE handle =
        CreateFileW(folder.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return folder;
    }
    // The first call tells the room the path needs, its final zero included.
    const DWORD room = GetFinalPathNameByHandleW(handle, nullptr, 0, FILE_NAME_NORMALIZED);
    std::wstring path(room, L'\0');
    const DWORD length =
        room == 0 ? 0 : GetFinalPathNameByHandleW(handle, &path[0], room, FILE_NAME_NORMALIZED);
    CloseHandle(handle);
    if (length == 0 || length >= room) {
        return folder;
    }
    path.resize(length);
    return path;
}

// The file system takes a folder's name in any case, and so does the claim.
std::wstring upperCase(const std::wstring& text) {
    std::wstring upper(text);
    LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, text.c_str(),
                  static_cast<int>(text.size()), &upper[0], static_cast<int>(upper.size()), nullptr,
                  nullptr, 0);
    return upper;
}

// A kernel object's name holds no backslash and is short, where a folder's path may be
// neither: the path's FNV-1a hash stands for it.
std::wstring hashName(const std::wstring& path) {
    uint64_t hash = 0xCBF29CE484222325u;
    for (wchar_t unit : path) {
        hash = (hash ^ static_cast<uint16_t>(unit)) * 0x100000001B3u;
    }
    wchar_t digits[17] = {};
    for (int i = 15; i >= 0; --i, hash >>= 4) {
        digits[i] = L"0123456789ABCDEF"[hash & 0xF];
    }
    return CLAIM_PREFIX + std::wstring(digits);
}

enum class Claim { TAKEN, HELD, HELD_OUT_OF_REACH };

// The claim for this start, or whether another rabbit holds it. A rabbit run as administrator
// holds one that a start with fewer rights may not open, which shows it is there all the same;
// a claim that fails for any other reason leaves the folder to this start.
Claim askForClaim(const std::wstring& name, HANDLE& claim) {
    // Per session: a rabbit of another session could not be shown here.
    claim = CreateMutexW(nullptr, TRUE, (L"Local\\" + name).c_str());
    const DWORD why = GetLastError();
    if (claim == nullptr) {
        return why == ERROR_ACCESS_DENIED ? Claim::HELD_OUT_OF_REACH : Claim::TAKEN;
    }
    return why == ERROR_ALREADY_EXISTS ? Claim::HELD : Claim::TAKEN;
}

// Unhides the running rabbit as a click on its icon would, and lets it bring an open
// dialog to the front, which only the program the user started may do.
void showRunningRabbit(HWND running) {
    DWORD process = 0;
    GetWindowThreadProcessId(running, &process);
    AllowSetForegroundWindow(process);
    PostMessageW(running, SHOW_RABBIT_MESSAGE, 0, 0);
}
} // namespace

const std::wstring& folderClaimName() {
    static const std::wstring name = hashName(upperCase(finalFolderPath()));
    return name;
}

bool claimRabbitFolder() {
    const std::wstring& name = folderClaimName();
    HANDLE claim = nullptr;
    Claim state = askForClaim(name, claim);
    for (int step = 0; state != Claim::TAKEN && step < WAIT_STEPS; ++step) {
        HWND running = FindWindowW(TRAY_CLASS, name.c_str());
        if (running != nullptr) {
            showRunningRabbit(running);
            return false;
        }
        if (state == Claim::HELD) {
            // The other rabbit ended: the claim and the folder are this start's now.
            const DWORD waited = WaitForSingleObject(claim, WAIT_STEP_MS);
            state = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED ? Claim::TAKEN : state;
        } else {
            // Nothing to wait on: the claim is asked for again a moment later.
            Sleep(WAIT_STEP_MS);
            state = askForClaim(name, claim);
        }
    }
    return state == Claim::TAKEN;
}
