// The settings file read leniently and changed one line at a time, the user's own lines kept; the
// sizes a screen offers and where the rabbit stands after a change of size.
#include <string>

#include <gtest/gtest.h>

#include "preferences/preferences.h"
#include "preferences/size_rule.h"

using namespace std::string_literals;

namespace {
constexpr unsigned CTRL_ALT = HOTKEY_CTRL | HOTKEY_ALT;
constexpr int F5 = 0x74;
constexpr int F11 = 0x7A;
} // namespace

TEST(PreferencesTest, ReadsWhatItCanAndLeavesTheRestAtTheDefaults) {
    const struct {
        const char* text;
        int size;
        bool ghost;
        Hotkey hotkey;
    } cases[] = {
        {"", 1, false, {}},
        {"[varnok]\r\nsize=2\r\nghost=1\r\nhotkey=Ctrl+Alt+R\r\n", 2, true, {CTRL_ALT, 'R'}},
        // Any case, blanks, LF line ends, a byte order mark, other sections and keys.
        {"\xEF\xBB\xBF[other]\nsize=3\n[ VarNok ]\n SIZE = 3 \nGhost=1\nextra=1\n", 3, true, {}},
        {"[varnok]\nhotkey=shift+win+f11\n", 1, false, {HOTKEY_SHIFT | HOTKEY_WIN, F11}},
        // A key written twice counts the first time.
        {"[varnok]\nhotkey=Ctrl+F5\nhotkey=\n", 1, false, {HOTKEY_CTRL, F5}},
        // Bad values leave their own setting alone.
        {"[varnok]\nsize=4\nghost=yes\nhotkey=Ctrl+R\n", 1, false, {HOTKEY_CTRL, 'R'}},
        {"[varnok]\nsize=0\nsize=02\nghost=1\n", 1, true, {}},
        // A hotkey needs Ctrl, Alt or Win, and F12 is the debuggers'.
        {"[varnok]\nhotkey=R\n", 1, false, {}},
        {"[varnok]\nhotkey=F5\n", 1, false, {}},
        {"[varnok]\nhotkey=Shift+F5\n", 1, false, {}},
        {"[varnok]\nhotkey=Ctrl+Alt+F12\n", 1, false, {}},
        {"[varnok]\nhotkey=Ctrl+Ctrl+R\n", 1, false, {}},
        {"[varnok]\nhotkey=Ctrl+Alt+Left\n", 1, false, {}},
        {"[varnok]\nhotkey=Alt+F25\n", 1, false, {}},
        {"[varnok]\nhotkey=Ctrl+\n", 1, false, {}},
        {"size=2\n", 1, false, {}},
        // Not text at all: nothing is taken.
        {"[varnok]\nsize=2\n\x01\x02", 1, false, {}},
        {"[varnok]\nsize=2\nghost=1\n\xC3", 1, false, {}},
        {"[varnok]\nsize=2\n\xFF\xFE", 1, false, {}},
    };
    for (const auto& c : cases) {
        const Preferences read = parsePreferences(c.text);
        EXPECT_EQ(read.size, c.size) << c.text;
        EXPECT_EQ(read.ghost, c.ghost) << c.text;
        EXPECT_EQ(read.hotkey, c.hotkey) << c.text;
    }
    EXPECT_EQ(parsePreferences("[varnok]\nsize=2\n\0"s).size, 1);
}

TEST(PreferencesTest, ChangesOneLineAndKeepsEveryOtherByte) {
    const struct {
        const char* before;
        const char* key;
        const char* value;
        const char* after;
    } cases[] = {
        {"", GHOST_KEY, "1", "[varnok]\r\nghost=1\r\n"},
        // Comments, blank lines, unknown keys and sections stay where they were.
        {"; mine\r\n[varnok]\r\nsize=2\r\nfuture=yes\r\n\r\n[other]\r\nghost=0\r\n", GHOST_KEY, "1",
         "; mine\r\n[varnok]\r\nsize=2\r\nfuture=yes\r\nghost=1\r\n\r\n[other]\r\nghost=0\r\n"},
        {"[varnok]\nsize=2\nghost=0\n# note\n", GHOST_KEY, "1",
         "[varnok]\nsize=2\nghost=1\n# note\n"},
        {"\xEF\xBB\xBF[ VarNok ]\r\n Ghost = 0 \r\n", GHOST_KEY, "1",
         "\xEF\xBB\xBF[ VarNok ]\r\n Ghost = 1\r\n"},
        {"\xEF\xBB\xBF", LANGUAGE_KEY, "en", "\xEF\xBB\xBF[varnok]\r\nlanguage=en\r\n"},
        // The first of a key written twice is the one that counts.
        {"[varnok]\r\nsize=3\r\nsize=2\r\n", SIZE_KEY, "1", "[varnok]\r\nsize=1\r\nsize=2\r\n"},
        {"[varnok]\nsize=2\n[other]\n[varnok]\nghost=0\n", GHOST_KEY, "1",
         "[varnok]\nsize=2\n[other]\n[varnok]\nghost=1\n"},
        {"[varnok]\nsize=2\n[other]\n[varnok]\nghost=0\n", HOTKEY_KEY, "Ctrl+Alt+R",
         "[varnok]\nsize=2\nhotkey=Ctrl+Alt+R\n[other]\n[varnok]\nghost=0\n"},
        // A missing section goes at the end, a missing key after its section's last key, each
        // after a line end of the file's own kind.
        {"[other]\nghost=0", GHOST_KEY, "1", "[other]\nghost=0\n[varnok]\nghost=1\n"},
        {"[varnok]\r\nsize=2", GHOST_KEY, "1", "[varnok]\r\nsize=2\r\nghost=1\r\n"},
        {"[varnok]\r\n\r\n; below\r\n", SKIN_KEY, "winter",
         "[varnok]\r\nskin=winter\r\n\r\n; below\r\n"},
        // Bad values of other keys stay; a value may become empty.
        {"[varnok]\nsize=7\nskin=winter\n", SKIN_KEY, "", "[varnok]\nsize=7\nskin=\n"},
        // Nothing of a text that is not UTF-8 was read: it gives way.
        {"[varnok]\r\nsize=2\x01\xFE\r\n", GHOST_KEY, "1", "[varnok]\r\nghost=1\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(preferencesTextWith(c.before, c.key, c.value), c.after) << c.before;
    }
}

TEST(PreferencesTest, ReadsBackEverySettingAsWritten) {
    Preferences chosen;
    chosen.size = 3;
    chosen.ghost = true;
    chosen.perch = true;
    chosen.hotkey = {HOTKEY_CTRL | HOTKEY_ALT | HOTKEY_SHIFT | HOTKEY_WIN, '7'};
    chosen.language = Language::SIMPLIFIED_CHINESE;
    chosen.skin = "冬天";
    std::string text;
    text = preferencesTextWith(text, SIZE_KEY, preferenceText(chosen.size));
    text = preferencesTextWith(text, GHOST_KEY, preferenceText(chosen.ghost));
    text = preferencesTextWith(text, PERCH_KEY, preferenceText(chosen.perch));
    text = preferencesTextWith(text, HOTKEY_KEY, preferenceText(chosen.hotkey));
    text = preferencesTextWith(text, LANGUAGE_KEY, preferenceText(chosen.language));
    text = preferencesTextWith(text, SKIN_KEY, preferenceText(chosen.skin));
    EXPECT_EQ(text, "[varnok]\r\nsize=3\r\nghost=1\r\nperch=1\r\nhotkey=Ctrl+Alt+Shift+Win+7\r\n"
                    "language=zh-Hans\r\nskin=冬天\r\n");
    const Preferences read = parsePreferences(text);
    EXPECT_EQ(read.size, chosen.size);
    EXPECT_EQ(read.ghost, chosen.ghost);
    EXPECT_EQ(read.perch, chosen.perch);
    EXPECT_EQ(read.hotkey, chosen.hotkey);
    EXPECT_EQ(read.language, chosen.language);
    EXPECT_EQ(read.skin, chosen.skin);
}

TEST(PreferencesTest, WalkingOnWindowsIsOnOnlyForAOne) {
    EXPECT_TRUE(parsePreferences("[varnok]\nPerch = 1\n").perch);
    for (const char* text : {"[varnok]\nperch=0\n", "[varnok]\nperch=yes\n", "[varnok]\nperch=\n",
                             "perch=1\n", "[varnok]\nsize=2\n"}) {
        EXPECT_FALSE(parsePreferences(text).perch) << text;
    }
}

TEST(SizeRuleTest, OffersTheSizesThatHoldTheRabbitWholeAtHome) {
    const struct {
        int width, height, dpiFactor;
        bool one, two, three;
    } cases[] = {
        {1920, 1080, 1, true, true, false}, {2560, 1440, 1, true, true, true},
        {1120, 776, 1, true, true, false},  {1119, 776, 1, true, false, false},
        {1120, 775, 1, true, false, false}, {3840, 2160, 2, true, true, false},
        {1024, 768, 1, true, false, false}, {800, 600, 2, true, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sizeOffered(1, c.width, c.height, c.dpiFactor), c.one) << c.width;
        EXPECT_EQ(sizeOffered(2, c.width, c.height, c.dpiFactor), c.two) << c.width;
        EXPECT_EQ(sizeOffered(3, c.width, c.height, c.dpiFactor), c.three) << c.width;
    }
    EXPECT_FALSE(sizeOffered(0, 2560, 1440, 1));
    EXPECT_FALSE(sizeOffered(4, 9999, 9999, 1));
}

TEST(SizeRuleTest, KeepsTheFeetWhereTheyWereAsNearAsTheGridAllows) {
    const struct {
        RabbitPoint at;
        int32_t width, height;
        int oldScale, newScale;
        RabbitPoint want;
    } cases[] = {
        {{500, 300}, 60, 88, 1, 2, {235, 106}},
        {{235, 106}, 60, 88, 2, 1, {500, 300}},
        {{500, 300}, 60, 88, 1, 3, {147, 41}},
        {{500, 300}, 60, 88, 2, 4, {235, 106}},
        // An odd width, and the left and upper monitors' negative places.
        {{10, 10}, 61, 88, 1, 2, {-10, -39}},
        {{-700, -200}, 60, 88, 1, 2, {-365, -144}},
        {{-365, -144}, 60, 88, 2, 1, {-700, -200}},
        {{7, 5}, 60, 88, 3, 3, {7, 5}},
    };
    for (const auto& c : cases) {
        const RabbitPoint got = keepFeet(c.at, c.width, c.height, c.oldScale, c.newScale);
        EXPECT_EQ(got.x, c.want.x) << c.at.x << "," << c.at.y << " x" << c.newScale;
        EXPECT_EQ(got.y, c.want.y) << c.at.x << "," << c.at.y << " x" << c.newScale;
    }
}

TEST(PreferencesTest, ReadsAnEmptyOrMissingPictureSetAsTheBuiltInPictures) {
    const struct {
        const char* text;
        const char* skin;
    } cases[] = {
        {"[varnok]\r\nsize=2\r\n", ""},
        {"[varnok]\r\nskin=\r\n", ""},
        {"[varnok]\r\nskin=winter\r\n", "winter"},
        {"[varnok]\nSkin = 冬天 \n", "冬天"},
        {"[varnok]\nskin=..\\..\\Windows\n", "..\\..\\Windows"}, // kept; the set is refused
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parsePreferences(c.text).skin, c.skin) << c.text;
    }
}
