// What the fullscreen stand-in and its test share: its window class, and the window
// property in which it tells whether Windows let it take the foreground, which Windows
// refuses a program when another one holds the foreground and was used last.
#pragma once

#include <windows.h>

constexpr wchar_t STAND_IN_CLASS[] = L"VarnokFullscreenStandIn";
constexpr wchar_t FOREGROUND_ANSWER[] = L"VarnokForegroundAnswer";
constexpr INT_PTR FOREGROUND_TAKEN = 1;
constexpr INT_PTR FOREGROUND_REFUSED = 2;
