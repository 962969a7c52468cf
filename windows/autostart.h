// Start with Windows: the program's value under the registry's Run key.
#pragma once

#include <windows.h>

constexpr wchar_t RUN_SUBKEY[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run\\";
constexpr wchar_t RUN_VALUE_NAME[] = L"Varnok";
// The path (in double quotes when it has a space) and its terminator lead a zero-filled
// value of this length.
constexpr DWORD RUN_VALUE_BYTES = 255;

constexpr int AUTO_START_ROOT_COUNT = 2;
// Tried in turn: the machine's Run key, then the user's for a user without the rights
// to the machine's.
extern HKEY autoStartRoots[AUTO_START_ROOT_COUNT];
void resetAutoStartRoots();

// Writes the value under the first root that takes it, then sets autoStart to 1 and
// saves; when no root takes it autoStart is 0 and nothing is saved.
void registerAutoStart();
// Deletes the value under every root that can be opened; when one could, sets autoStart to 0
// and saves. False, with autoStart left alone, when a value stays under a root that this user
// may read but not change: the machine's, written by the program run as administrator.
bool unregisterAutoStart();
