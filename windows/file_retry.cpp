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

HANDLE openFileWhenFree(const std::wstring& path, DWORD access, DWORD share, DWORD disposition,
                        DWORD attributes) {
    HANDLE file = INVALID_HANDLE_VALUE;
    retryWhileBusy(path, [&] {
        file = CreateFileW(path.c_str(), access, share, nullptr, disposition, attributes, nullptr);
        return file != INVALID_HANDLE_VALUE;
    });
    return file;
}

bool writeWholeFile(const std::wstring& path, const std::string& bytes) {
    HANDLE file = openFileWhenFree(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD put = 0;
    const bool written =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr) &&
        put == bytes.size() && FlushFileBuffers(file);
    CloseHandle(file);
    return written;
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
