// The Windows test programs' main: each run works in a fresh folder of its own, under a
// watchdog, so that the save file beside the executable never outlives the run.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "win_test_support.h"

namespace {
// The copy in the temporary folder is started with this first argument.
const wchar_t runHereFlag[] = L"--run-here";

std::wstring programPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// Wine hands out the same process ids run after run, and a folder that a test left
// something undeletable in must not be met again: take the first name not yet there.
std::wstring makeRunFolder() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring stem = std::wstring(temp) + L"varnok-test-" +
                              std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(GetTickCount64());
    for (int attempt = 0;; ++attempt) {
        const std::wstring folder = stem + L"-" + std::to_wstring(attempt);
        if (CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() != ERROR_ALREADY_EXISTS) {
            return folder;
        }
    }
}

void removeRunFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileW((folder + L"\\" + found.cFileName).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

// Runs a copy of this program in a fresh folder with the same arguments and working
// folder (relative output paths stay where the caller wants them); returns its exit code.
int runInFreshFolder() {
    const std::wstring folder = makeRunFolder();
    const std::wstring program = programPath();
    const std::wstring copy = folder + program.substr(folderOf(program).size());
    if (!CopyFileW(program.c_str(), copy.c_str(), FALSE)) {
        std::fprintf(stderr, "test run: copying the program failed (error %lu)\n", GetLastError());
    }

    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::wstring commandLine = L"\"" + copy + L"\" " + runHereFlag;
    for (int i = 1; i < argc; ++i) {
        commandLine += L" \"" + std::wstring(argv[i]) + L"\"";
    }
    LocalFree(argv);
    // The copy starts the programs built beside this one.
    passBuiltFolder(folderOf(program));

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    // The copy and every program it starts (a save driver killed by its watchdog included)
    // share ctest's output pipe, and ctest waits for the last of them: the job ends them all
    // with the copy, or with this program when ctest stops it.
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    PROCESS_INFORMATION child = {};
    DWORD exitCode = 1;
    if (CreateProcessW(copy.c_str(), &commandLine[0], nullptr, nullptr, TRUE, CREATE_SUSPENDED,
                       nullptr, nullptr, &startup, &child)) {
        AssignProcessToJobObject(job, child.hProcess);
        ResumeThread(child.hThread);
        // The copy's own watchdog ends a run that hangs.
        WaitForSingleObject(child.hProcess, INFINITE);
        GetExitCodeProcess(child.hProcess, &exitCode);
        CloseHandle(child.hThread);
        CloseHandle(child.hProcess);
    } else {
        std::fprintf(stderr, "test run: starting the copy failed (error %lu)\n", GetLastError());
    }
    CloseHandle(job);
    // A copy that died before its output reached the pipe leaves nothing else to go by.
    if (exitCode != 0) {
        std::fprintf(stderr, "test run: the copy ended with code 0x%lx\n", exitCode);
    }
    removeRunFolder(folder);
    return static_cast<int>(exitCode);
}

bool listingOnly(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--gtest_list_tests") {
            return true;
        }
    }
    return false;
}
} // namespace

int main(int argc, char** argv) {
    const bool runHere = argc > 1 && std::string(argv[1]) == "--run-here";
    if (!runHere && !listingOnly(argc, argv)) {
        return runInFreshFolder();
    }
    // Unbuffered, what a run printed survives its crash.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    startWatchdog(WATCHDOG_SECONDS);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
