// Plain file and process helpers of the tests; the programs they start lie in the folder
// the test program was built in.
#include "save_test_files.h"

#include <cstdio>

#include "win_test_support.h"
#include "windows/wide_text.h"

namespace {
// Wine's own conversion of its paths to the host's.
using ToUnixName = LPSTR(CDECL*)(LPCWSTR);

// Null outside Wine. The cast goes through the generic function type, as GetProcAddress
// results must.
template <typename Function> Function wineFunction(const char* name) {
    FARPROC found = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

void makeFolders(const std::wstring& folder) {
    const std::wstring parent = folderOf(folder);
    // A drive's root ("C:") is never made.
    if (parent.size() > 2 && parent.size() < folder.size() &&
        GetFileAttributesW(parent.c_str()) == INVALID_FILE_ATTRIBUTES) {
        makeFolders(parent);
    }
    CreateDirectoryW(folder.c_str(), nullptr);
}

std::wstring builtSaveDriver() {
    return builtFolder() + L"\\" + SAVE_DRIVER_NAME;
}
} // namespace

int32_t wordAt(const std::string& bytes, std::size_t offset) {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) {
        bits |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset + i])) << (8 * i);
    }
    return static_cast<int32_t>(bits);
}

void putWord(std::string& bytes, std::size_t offset, int32_t value) {
    const uint32_t bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<char>(bits >> (8 * i));
    }
}

std::string readFileBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::string();
    }
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) {
        bytes.append(chunk, got);
    }
    CloseHandle(file);
    return bytes;
}

bool fileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void writeFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD put = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
    CloseHandle(file);
}

void removeTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring path = folder + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(path);
            } else {
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

std::wstring newFileOf(const std::wstring& saveFile) {
    return saveFile + L".tmp";
}

std::wstring installSaveDriver(const std::wstring& folder, const std::wstring& name) {
    makeFolders(folder);
    const std::wstring exe = folder + L"\\" + name;
    CopyFileW(builtSaveDriver().c_str(), exe.c_str(), FALSE);
    return exe;
}

bool startSaveDriver(const std::wstring& exe, const std::wstring& arguments,
                     PROCESS_INFORMATION& process) {
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    const std::wstring folder = folderOf(exe);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    // Under load Wine now and then fails to start a process that starts fine a moment
    // later; hundreds of starts in a row must not hinge on that.
    for (int attempt = 0; attempt < 5; ++attempt) {
        process = PROCESS_INFORMATION{};
        if (CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                           folder.c_str(), &startup, &process) != 0) {
            return true;
        }
        std::fprintf(stderr, "starting the save driver failed with error %lu\n", GetLastError());
        Sleep(100);
    }
    return false;
}

long runSaveDriver(const std::wstring& exe, const std::wstring& arguments, DWORD timeoutMs) {
    PROCESS_INFORMATION process;
    if (!startSaveDriver(exe, arguments, process)) {
        return -1;
    }
    long result = -1;
    if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0) {
        DWORD exitCode = 0;
        GetExitCodeProcess(process.hProcess, &exitCode);
        result = static_cast<long>(exitCode);
    } else {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, INFINITE);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

FileHolder::FileHolder(const std::wstring& path, int ms) {
    const std::wstring heldName =
        L"Local\\varnok-file-held-" + std::to_wstring(GetCurrentProcessId());
    HANDLE held = CreateEventW(nullptr, FALSE, FALSE, heldName.c_str());
    if (startSaveDriver(builtSaveDriver(),
                        L"hold \"" + path + L"\" " + std::to_wstring(ms) + L" " + heldName,
                        process_)) {
        // A driver that ends before it signals could not open the file.
        HANDLE ends[] = {held, process_.hProcess};
        holds_ = WaitForMultipleObjects(2, ends, FALSE, 20000) == WAIT_OBJECT_0;
    }
    CloseHandle(held);
}

FileHolder::~FileHolder() {
    if (process_.hProcess != nullptr) {
        WaitForSingleObject(process_.hProcess, INFINITE);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
}

bool listedInFolder(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(search);
    return true;
}

bool runOnHost(const std::wstring& command, const std::wstring& path, bool leavesPath) {
    auto toUnix = wineFunction<ToUnixName>("wine_get_unix_file_name");
    if (toUnix == nullptr) {
        return false;
    }
    LPSTR unixPath = toUnix(path.c_str());
    if (unixPath == nullptr) {
        return false;
    }
    // Wine starts host programs as it starts its own, splitting the line as Windows does,
    // but hands back no process to wait for: the test waits for the path instead.
    std::wstring commandLine = command + L" \"" + widen(unixPath) + L"\"";
    HeapFree(GetProcessHeap(), 0, unixPath);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    for (int wait = 0; wait < 500 && listedInFolder(path) != leavesPath; ++wait) {
        Sleep(10);
    }
    return listedInFolder(path) == leavesPath;
}
