// The languages: which one Windows asks for, the settings file's names of them, and every
// text in each of them, with the rabbit's name in its place.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "language/ascii_case.h"
#include "language/text_table.h"
#include "preferences/preferences.h"

namespace {
// The blanks a text leaves, "{name}" and the like.
std::set<std::string> blanksOf(const std::string& text) {
    std::set<std::string> blanks;
    for (std::size_t open = text.find('{'); open != std::string::npos;
         open = text.find('{', open + 1)) {
        blanks.insert(text.substr(open, text.find('}', open) - open + 1));
    }
    return blanks;
}

struct LanguageRestorer {
    ~LanguageRestorer() { setCurrentLanguage(Language::TRADITIONAL_CHINESE); }
};
} // namespace

TEST(LanguageTest, EveryTextIsThereOnceInEveryLanguageWithTheSameBlanks) {
    for (int i = 0; i < TEXT_COUNT; ++i) {
        const auto id = static_cast<TextId>(i);
        const std::set<std::string> blanks = blanksOf(textIn(Language::TRADITIONAL_CHINESE, id));
        for (Language language : allLanguages) {
            const TextTable& table = textTableOf(language);
            int found = 0;
            for (std::size_t e = 0; e < table.count; ++e) {
                found += table.entries[e].id == id ? 1 : 0;
            }
            EXPECT_EQ(found, 1) << "text " << i << " in " << languageKey(language);
            EXPECT_STRNE(textIn(language, id), "")
                << "text " << i << " in " << languageKey(language);
            EXPECT_EQ(blanksOf(textIn(language, id)), blanks)
                << "text " << i << " in " << languageKey(language);
        }
    }
}

// A mainland reader expects the full-width ！ and ？ in a Chinese sentence.
TEST(LanguageTest, SimplifiedChineseHasNoAsciiExclamationOrQuestionMark) {
    const TextTable& table = textTableOf(Language::SIMPLIFIED_CHINESE);
    for (std::size_t e = 0; e < table.count; ++e) {
        EXPECT_EQ(std::string(table.entries[e].text).find_first_of("!?"), std::string::npos)
            << table.entries[e].text;
    }
}

TEST(LanguageTest, FollowsTheDisplayLanguageAndTheSettingsFile) {
    const struct {
        unsigned displayId;
        Language want;
    } displays[] = {
        {0x0404, Language::TRADITIONAL_CHINESE},
        {0x0C04, Language::TRADITIONAL_CHINESE},
        {0x1404, Language::TRADITIONAL_CHINESE},
        {0x0804, Language::SIMPLIFIED_CHINESE},
        {0x1004, Language::SIMPLIFIED_CHINESE},
        {0x0409, Language::ENGLISH},
        {0x0411, Language::ENGLISH},
        {0x0407, Language::ENGLISH},
        {0x0000, Language::ENGLISH},
    };
    for (const auto& d : displays) {
        EXPECT_EQ(languageForDisplay(d.displayId), d.want) << std::hex << d.displayId;
    }
    const struct {
        const char* value;
        std::optional<Language> want;
    } keys[] = {
        {"zh-Hant", Language::TRADITIONAL_CHINESE},
        {"ZH-HANS", Language::SIMPLIFIED_CHINESE},
        {"en", Language::ENGLISH},
        {"", std::nullopt},
        {"english", std::nullopt},
        {"zh", std::nullopt},
        {"en-US", std::nullopt},
        {"zh-Han", std::nullopt},
    };
    for (const auto& k : keys) {
        const std::string file = std::string("[varnok]\r\nlanguage=") + k.value + "\r\n";
        const Preferences read = parsePreferences(file);
        EXPECT_EQ(read.language, k.want) << k.value;
        if (k.want) {
            const std::string written =
                preferencesTextWith("", LANGUAGE_KEY, preferenceText(read.language));
            EXPECT_EQ(parsePreferences(written).language, k.want) << k.value;
        }
    }
}

// Keys and file names fold their case the same under any locale; other bytes stay.
TEST(LanguageTest, ChangesTheCaseOfAsciiLettersOnly) {
    EXPECT_EQ(asciiLower("Ctrl+ÄÖ+F5"), "ctrl+ÄÖ+f5");
    EXPECT_EQ(asciiUpper("zh-hant 兔子.png"), "ZH-HANT 兔子.PNG");
}

TEST(LanguageTest, EachLanguagePutsTheWholeNameInItsOwnSentence) {
    LanguageRestorer restore;
    const std::string name = "長長長長長長長長"; // the longest name: eight characters
    const struct {
        Language language;
        const char* hungry;
    } cases[] = {
        {Language::TRADITIONAL_CHINESE, "你的長長長長長長長長已經很餓了，再不餵他，就會死的!"},
        {Language::SIMPLIFIED_CHINESE, "你的長長長長長長長長已经很饿了，再不喂它就会饿死！"},
        {Language::ENGLISH, "長長長長長長長長 is very hungry. Feed it soon, or it will die."},
    };
    for (const auto& c : cases) {
        setCurrentLanguage(c.language);
        EXPECT_EQ(fillIn(TextId::HUNGRY, {{"name", name}}), c.hungry);
    }
    // A name that looks like a blank is never filled in again.
    EXPECT_EQ(fillIn(TextId::ATE_HAPPILY, {{"name", "{name}"}}), "{name} enjoyed the meal!");
}
