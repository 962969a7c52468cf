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

// False for a file too large to be a settings file, which is then never taken for one.
bool readWhole(HANDLE file, std::string& bytes) {
    bytes.assign(LARGEST_FILE + 1, '\0');
    DWORD got = 0;
    if (!ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr) ||
        got > LARGEST_FILE) {
        return false;
    }
    bytes.resize(got);
    return true;
}

// The file's bytes as they are now, nothing without the file; false when it is there but
// cannot be read, so that a change never writes over what it could not keep.
bool readCurrentText(const std::wstring& path, std::string& bytes) {
    bytes.clear();
    HANDLE file = openFileWhenFree(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE) {
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    const bool read = readWhole(file, bytes);
    CloseHandle(file);
    return read;
}
} // namespace

Preferences readPreferencesFile() {
    std::string current;
    return readCurrentText(preferencesPath(), current) ? parsePreferences(current) : Preferences();
}

bool writePreference(const char* key, const std::string& value) {
    const std::wstring path = preferencesPath();
    const std::wstring newPath = path + NEW_FILE_SUFFIX;
    std::string current;
    if (path.empty() || !readCurrentText(path, current) ||
        !writeWholeFile(newPath, preferencesTextWith(current, key, value)) ||
        !swapInNewFile(path, newPath)) {
        DeleteFileW(newPath.c_str());
        showReport(text(TextId::SETTINGS_WRITE_ERROR), text(TextId::WARNING_CAPTION));
        return false;
    }
    return true;
}
