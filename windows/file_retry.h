// Waiting out another program's moment with a file: antivirus scanners, the search indexer
// and sync clients open a file for a moment right after it changes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Runs `attempt` again while it fails only because another program has the file at `path`
// open, locked or half deleted, waiting a little longer each time; returns whether it
// succeeded, with the last failure's code left for GetLastError.
bool retryWhileBusy(const std::wstring& path, const std::function<bool()>& attempt);

// CreateFileW, waiting out another program's moment with the file; INVALID_HANDLE_VALUE
// when it cannot be opened.
HANDLE openFileWhenFree(const std::wstring& path, DWORD access, DWORD share, DWORD disposition,
                        DWORD attributes = FILE_ATTRIBUTE_NORMAL);
// A new file at `path`, none shared, holding exactly `bytes`, written through to the disk.
bool writeWholeFile(const std::wstring& path, const std::string& bytes);

// Puts the complete file at `newPath` in the place of the one at `path`, whole or not at
// all, waiting out another program's moment with it.
bool swapInNewFile(const std::wstring& path, const std::wstring& newPath);
