// Registers and unregisters the program under the Run key of the machine or the user.
#include "windows/autostart.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

#include "desktop/desktop.h"
#include "rabbit/settings.h"
#include "windows/save_file.h"

namespace {
const HKEY usualRoots[AUTO_START_ROOT_COUNT] = {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER};

std::vector<BYTE> runValueData() {
    std::wstring command = modulePath();
    // Unquoted, a path with a space would have Windows try "C:\Program.exe" and the like
    // first.
    if (command.find(L' ') != std::wstring::npos) {
        command = L'"' + command + L'"';
    }
    // A command too long for the usual length is stored whole rather than cut unusable.
    const std::size_t commandBytes = (command.size() + 1) * sizeof(wchar_t);
    std::vector<BYTE> data(std::max<std::size_t>(commandBytes, RUN_VALUE_BYTES), 0);
    std::memcpy(data.data(), command.c_str(), command.size() * sizeof(wchar_t));
    return data;
}

bool writeRunValue(HKEY root, const std::vector<BYTE>& data) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, RUN_SUBKEY, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const LONG written = RegSetValueExW(key, RUN_VALUE_NAME, 0, REG_SZ, data.data(),
                                        static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    return written == ERROR_SUCCESS;
}

bool deleteRunValue(HKEY root) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, RUN_SUBKEY, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
        return false;
    }
    // A value that is not there is no error.
    RegDeleteValueW(key, RUN_VALUE_NAME);
    RegCloseKey(key);
    return true;
}

bool runValueThere(HKEY root) {
    return RegGetValueW(root, RUN_SUBKEY, RUN_VALUE_NAME, RRF_RT_ANY, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}
} // namespace

HKEY autoStartRoots[AUTO_START_ROOT_COUNT] = {usualRoots[0], usualRoots[1]};

void resetAutoStartRoots() {
    std::copy(std::begin(usualRoots), std::end(usualRoots), autoStartRoots);
}

void registerAutoStart() {
    const std::vector<BYTE> data = runValueData();
    for (HKEY root : autoStartRoots) {
        if (writeRunValue(root, data)) {
            autoStart = 1;
            saveState();
            return;
        }
    }
    autoStart = 0;
}

bool unregisterAutoStart() {
    bool opened = false;
    bool stays = false;
    for (HKEY root : autoStartRoots) {
        opened = deleteRunValue(root) || opened;
        stays = runValueThere(root) || stays;
    }
    if (stays) {
        return false;
    }
    if (opened) {
        autoStart = 0;
        saveState();
    }
    return true;
}
