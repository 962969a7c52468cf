// Conversions between UTF-8, UTF-16 and code page 950.
#include "windows/wide_text.h"

#include <windows.h>

namespace {
constexpr UINT BIG5_CODE_PAGE = 950;

std::wstring toWide(UINT codePage, const char* bytes, std::size_t length) {
    if (length == 0) {
        return std::wstring();
    }
    const int count = MultiByteToWideChar(codePage, 0, bytes, static_cast<int>(length), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(count), L'\0');
    MultiByteToWideChar(codePage, 0, bytes, static_cast<int>(length), &wide[0], count);
    return wide;
}
} // namespace

std::wstring widen(const std::string& utf8) {
    return toWide(CP_UTF8, utf8.data(), utf8.size());
}

std::string narrow(const std::wstring& wide) {
    if (wide.empty()) {
        return std::string();
    }
    const int length = static_cast<int>(wide.size());
    const int count =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(count), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, &utf8[0], count, nullptr, nullptr);
    return utf8;
}

std::wstring big5ToWide(const char* bytes, std::size_t length) {
    return toWide(BIG5_CODE_PAGE, bytes, length);
}

bool wideToBig5(const std::wstring& wide, std::string& big5) {
    if (wide.empty()) {
        big5.clear();
        return true;
    }
    const int length = static_cast<int>(wide.size());
    // Without this flag Windows quietly stands in a look-alike ("e" for "é").
    const DWORD flags = WC_NO_BEST_FIT_CHARS;
    BOOL lossy = FALSE;
    const int count = WideCharToMultiByte(BIG5_CODE_PAGE, flags, wide.data(), length, nullptr, 0,
                                          nullptr, &lossy);
    if (count <= 0 || lossy) {
        return false;
    }
    std::string bytes(static_cast<std::size_t>(count), '\0');
    WideCharToMultiByte(BIG5_CODE_PAGE, flags, wide.data(), length, &bytes[0], count, nullptr,
                        nullptr);
    big5 = bytes;
    return true;
}
