// The real load and save in a program of their own, for tests that run it in folders of
// their choosing or kill it mid-save. "once" loads, ages the rabbit a month and saves;
// "loop EVENT" signals the named event, then saves the two samples by turns until killed;
// "hold FILE MS EVENT" plays another program that has the file open without sharing: it
// signals the event once it holds the file and lets go after MS milliseconds; "autostart"
// registers the program to start with Windows from where it lies.
#include <windows.h>

#include <cwchar>

#include "desktop/desktop.h"
#include "rabbit/pet_record.h"
#include "tests/windows/save_samples.h"
#include "windows/autostart.h"
#include "windows/save_file.h"

int wmain(int argc, wchar_t** argv) {
    buildSaveFilePath();
    if (argc == 2 && std::wcscmp(argv[1], L"once") == 0) {
        loadState();
        pet.ageMonths += 1;
        saveState();
        return 0;
    }
    if (argc == 2 && std::wcscmp(argv[1], L"autostart") == 0) {
        registerAutoStart();
        return 0;
    }
    if (argc == 3 && std::wcscmp(argv[1], L"loop") == 0) {
        HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[2]);
        SetEvent(ready);
        // The file starts as sample 0, so the first save already changes every block.
        for (int seed = 1;; seed ^= 1) {
            const SaveImage image = sampleImage(seed);
            decodeSaveImage(image.data(), image.size());
            saveState();
        }
    }
    if (argc == 5 && std::wcscmp(argv[1], L"hold") == 0) {
        HANDLE file = CreateFileW(argv[2], GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return 1;
        }
        SetEvent(OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[4]));
        Sleep(static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)));
        CloseHandle(file);
        return 0;
    }
    return 2;
}
