// Registers and unregisters the program under the Run key of the machine or the user.
#include "storage/autostart.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

#include "app/desktop.h"
#include "storage/settings.h"

namespace {
const HKEY usualRoots[AUTO_START_ROOT_COUNT] = {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER};

std::vector<BYTE> runValueData() {
    std::vector<wchar_t> path(MAX_PATH);
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size()) {
        path.resize(path.size() * 2);
    }
    // A path too long for the usual length is stored whole rather than cut unusable.
    const std::size_t pathBytes = (length + 1) * sizeof(wchar_t);
    std::vector<BYTE> data(pathBytes > RUN_VALUE_BYTES ? pathBytes : RUN_VALUE_BYTES, 0);
    std::memcpy(data.data(), path.data(), length * sizeof(wchar_t));
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

void unregisterAutoStart() {
    bool opened = false;
    for (HKEY root : autoStartRoots) {
        opened = deleteRunValue(root) || opened;
    }
    if (opened) {
        autoStart = 0;
        saveState();
    }
}
