// Which language the rabbit speaks.
#include "language/language.h"

#include "language/ascii_case.h"

namespace {
struct LanguageNames {
    Language language;
    const char* key;
    const char* menuName;
};

const LanguageNames languageNames[] = {
    {Language::TRADITIONAL_CHINESE, "zh-Hant", "繁體中文(&T)"},
    {Language::SIMPLIFIED_CHINESE, "zh-Hans", "简体中文(&S)"},
    {Language::ENGLISH, "en", "&English"},
};

struct DisplayLanguage {
    unsigned id;
    Language language;
};

// Windows' ids of Chinese: Taiwan, Hong Kong, Macao and Traditional without a region;
// China, Singapore and Simplified without a region.
const DisplayLanguage chineseDisplayLanguages[] = {
    {0x0404, Language::TRADITIONAL_CHINESE}, {0x0C04, Language::TRADITIONAL_CHINESE},
    {0x1404, Language::TRADITIONAL_CHINESE}, {0x7C04, Language::TRADITIONAL_CHINESE},
    {0x0804, Language::SIMPLIFIED_CHINESE},  {0x1004, Language::SIMPLIFIED_CHINESE},
    {0x0004, Language::SIMPLIFIED_CHINESE},
};

Language spoken = Language::TRADITIONAL_CHINESE;

const LanguageNames& namesOf(Language language) {
    for (const LanguageNames& names : languageNames) {
        if (names.language == language) {
            return names;
        }
    }
    return languageNames[0];
}
} // namespace

Language languageForDisplay(unsigned displayLanguageId) {
    for (const DisplayLanguage& display : chineseDisplayLanguages) {
        if (display.id == displayLanguageId) {
            return display.language;
        }
    }
    return Language::ENGLISH;
}

const char* languageKey(Language language) {
    return namesOf(language).key;
}

std::optional<Language> languageOfKey(const std::string& key) {
    const std::string lowerKey = asciiLower(key);
    for (const LanguageNames& names : languageNames) {
        if (lowerKey == asciiLower(names.key)) {
            return names.language;
        }
    }
    return std::nullopt;
}

const char* languageMenuName(Language language) {
    return namesOf(language).menuName;
}

Language currentLanguage() {
    return spoken;
}

void setCurrentLanguage(Language language) {
    spoken = language;
}
