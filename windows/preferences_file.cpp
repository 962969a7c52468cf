// The settings file on disk, beside rabbit.dat and with the same care.
#include "windows/preferences_file.h"

#include <string>

#include <windows.h>

#include "desktop/desktop.h"
#include "language/texts.h"
#include "preferences/preferences.h"
#include "windows/file_retry.h"
#include "windows/save_file.h"

namespace {
const wchar_t FILE_NAME[] = L"varnok.ini";
const wchar_t NEW_FILE_SUFFIX[] = L".tmp";
// A settings file is a few dozen bytes; anything much larger is not one.
constexpr DWORD LARGEST_FILE = 65536;

// Beside the save file, in the same form (the extended one for a deep folder).
std::wstring preferencesPath() {
    return besideSaveFile(FILE_NAME);
}

std::string readWhole(HANDLE file) {
    std::string text(LARGEST_FILE + 1, '\0');
    DWORD got = 0;
    if (!ReadFile(file, &text[0], static_cast<DWORD>(text.size()), &got, nullptr) ||
        got > LARGEST_FILE) {
        return std::string();
    }
    text.resize(got);
    return text;
}
} // namespace

Preferences readPreferencesFile() {
    HANDLE file = openFileWhenFree(preferencesPath(), GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE) {
        return Preferences();
    }
    const Preferences read = parsePreferences(readWhole(file));
    CloseHandle(file);
    return read;
}

bool writePreferencesFile(const Preferences& chosen) {
    const std::wstring path = preferencesPath();
    const std::wstring newPath = path + NEW_FILE_SUFFIX;
    if (path.empty() || !writeWholeFile(newPath, preferencesText(chosen)) ||
        !swapInNewFile(path, newPath)) {
        DeleteFileW(newPath.c_str());
        showReport(text(TextId::SETTINGS_WRITE_ERROR), text(TextId::WARNING_CAPTION));
        return false;
    }
    return true;
}
