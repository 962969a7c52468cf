// The one boundary between the program's UTF-8 texts and Windows' UTF-16, and between
// both and the code page 950 bytes in which the save file keeps the rabbit's name.
#pragma once

#include <cstddef>
#include <string>

std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& wide);

std::wstring big5ToWide(const char* bytes, std::size_t length);
// False when a character has no code page 950 form; `big5` is then left alone.
bool wideToBig5(const std::wstring& wide, std::string& big5);
