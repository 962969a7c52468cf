// One language's texts: each text id with its text. Each language keeps its own table in a
// file of its own; a fourth language is one more table.
#pragma once

#include <cstddef>

#include "language/texts.h"

struct TextEntry {
    TextId id;
    const char* text;
};

struct TextTable {
    const TextEntry* entries;
    std::size_t count;
};

extern const TextTable traditionalChineseTexts;
extern const TextTable simplifiedChineseTexts;
extern const TextTable englishTexts;

const TextTable& textTableOf(Language language);
