// The schedule of the retries and which failures pass.
#include "windows/file_retry.h"

#include <windows.h>

namespace {
// Ten retries, the n-th after 25 ms × n: 1.375 s of waiting in all, long enough for a scan
// or a sync client's read, short enough not to freeze the rabbit for long.
constexpr int RETRIES = 10;
constexpr DWORD RETRY_STEP_MS = 25;

// Access is denied for good to a name that holds nothing (the folder takes no new files),
// a read-only file or a folder; to any other file only while a program deletes or holds it.
bool deniedForAMoment(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD why = GetLastError();
        return why != ERROR_FILE_NOT_FOUND && why != ERROR_PATH_NOT_FOUND;
    }
    return (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

bool passes(DWORD error, const std::wstring& path) {
    switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return true;
    case ERROR_ACCESS_DENIED:
        return deniedForAMoment(path);
    default:
        return false;
    }
}
} // namespace

bool retryWhileBusy(const std::wstring& path, const std::function<bool()>& attempt) {
    for (int retry = 1;; ++retry) {
        if (attempt()) {
            return true;
        }
        const DWORD error = GetLastError();
        if (retry > RETRIES || !passes(error, path)) {
            SetLastError(error);
            return false;
        }
        Sleep(RETRY_STEP_MS * static_cast<DWORD>(retry));
    }
}

// ReplaceFileW hands the old file's identity (permissions, creation time, attributes) to
// the new one; where the file system refuses it, or there is no old file, a plain rename
// still swaps them whole.
bool swapInNewFile(const std::wstring& path, const std::wstring& newPath) {
    return retryWhileBusy(path, [&] {
        return ReplaceFileW(path.c_str(), newPath.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                            nullptr, nullptr) ||
               MoveFileExW(newPath.c_str(), path.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    });
}
