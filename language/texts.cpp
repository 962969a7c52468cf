// Looking up a text in the language spoken now, and filling in its blanks.
#include "language/texts.h"

#include <array>

#include "language/text_table.h"

namespace {
using TextIndex = std::array<std::array<const char*, TEXT_COUNT>, LANGUAGE_COUNT>;

// Each table by its ids, built once; a text a table lacks reads empty.
TextIndex indexTables() {
    TextIndex index = {};
    for (Language language : allLanguages) {
        auto& texts = index[static_cast<std::size_t>(language)];
        texts.fill("");
        const TextTable& table = textTableOf(language);
        for (std::size_t i = 0; i < table.count; ++i) {
            texts[static_cast<std::size_t>(table.entries[i].id)] = table.entries[i].text;
        }
    }
    return index;
}
} // namespace

const TextTable& textTableOf(Language language) {
    switch (language) {
    case Language::SIMPLIFIED_CHINESE:
        return simplifiedChineseTexts;
    case Language::ENGLISH:
        return englishTexts;
    case Language::TRADITIONAL_CHINESE:
        break;
    }
    return traditionalChineseTexts;
}

const char* textIn(Language language, TextId id) {
    static const TextIndex index = indexTables();
    return index[static_cast<std::size_t>(language)][static_cast<std::size_t>(id)];
}

const char* text(TextId id) {
    return textIn(currentLanguage(), id);
}

std::string fillIn(TextId id, std::initializer_list<Blank> blanks) {
    const std::string pattern = text(id);
    std::string filled;
    std::size_t at = 0;
    // One pass over the pattern: a name that itself reads "{name}" is never filled again.
    while (at < pattern.size()) {
        const std::size_t open = pattern.find('{', at);
        const std::size_t close =
            open == std::string::npos ? std::string::npos : pattern.find('}', open);
        if (close == std::string::npos) {
            break;
        }
        filled.append(pattern, at, open - at);
        const std::string name = pattern.substr(open + 1, close - open - 1);
        const Blank* blank = nullptr;
        for (const Blank& candidate : blanks) {
            if (name == candidate.name) {
                blank = &candidate;
            }
        }
        filled += blank != nullptr ? blank->value : pattern.substr(open, close - open + 1);
        at = close + 1;
    }
    filled.append(pattern, at, std::string::npos);
    return filled;
}
