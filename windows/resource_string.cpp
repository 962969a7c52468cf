// Reads a string table entry in place: the table's texts are not zero-terminated.
#include "windows/resource_string.h"

#include "windows/main_window.h"

std::wstring resourceString(UINT id) {
    const wchar_t* text = nullptr;
    const int length = LoadStringW(appInstance, id, reinterpret_cast<LPWSTR>(&text), 0);
    return std::wstring(text, static_cast<std::size_t>(length));
}
