// A text of the program's string table.
#pragma once

#include <windows.h>

#include <string>

std::wstring resourceString(UINT id);
