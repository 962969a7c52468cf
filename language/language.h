// The languages the rabbit speaks, which one Windows' display language asks for, and
// the one it speaks now.
#pragma once

#include <optional>
#include <string>

enum class Language { TRADITIONAL_CHINESE, SIMPLIFIED_CHINESE, ENGLISH };
constexpr int LANGUAGE_COUNT = 3;
constexpr Language allLanguages[LANGUAGE_COUNT] = {Language::TRADITIONAL_CHINESE,
                                                   Language::SIMPLIFIED_CHINESE, Language::ENGLISH};

// Windows' display language (a language id such as 0x0404) as the rabbit's: Chinese of
// Taiwan, Hong Kong and Macao reads Traditional, of China and Singapore Simplified, and
// every other language English.
Language languageForDisplay(unsigned displayLanguageId);

// varnok.ini's name of a language: "zh-Hant", "zh-Hans", "en".
const char* languageKey(Language language);
// The language of a name in any case; none for anything else.
std::optional<Language> languageOfKey(const std::string& key);
// The language's name in itself, so that anyone finds theirs, with its access key in a
// menu: "繁體中文(&T)", "简体中文(&S)", "&English".
const char* languageMenuName(Language language);

// Traditional Chinese until the program chooses.
Language currentLanguage();
void setCurrentLanguage(Language language);
