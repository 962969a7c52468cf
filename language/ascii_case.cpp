// Changing the case of the ASCII letters, leaving every other byte as it is.
#include "language/ascii_case.h"

namespace {
constexpr char CASE_STEP = 'a' - 'A';
} // namespace

std::string asciiLower(std::string text) {
    for (char& c : text) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + CASE_STEP) : c;
    }
    return text;
}

std::string asciiUpper(std::string text) {
    for (char& c : text) {
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - CASE_STEP) : c;
    }
    return text;
}
