// The case of the ASCII letters only: keys, hotkey names and file names read the same in
// any case, whatever the language of the Windows they come from.
#pragma once

#include <string>

std::string asciiLower(std::string text);
std::string asciiUpper(std::string text);
