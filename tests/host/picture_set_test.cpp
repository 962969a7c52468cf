// The rules of picture sets: which files count, which folder names stay in skins\, the size
// each picture keeps, which files a decoder may see, the background rule on decoded pixels, and
// the template's readme.
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "skin/background_rule.h"
#include "skin/picture_catalogue.h"
#include "skin/picture_format.h"
#include "skin/set_names.h"
#include "skin/template_readme.h"

namespace {
std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}
} // namespace

TEST(PictureSetRulesTest, CountOnlyTheNumberedPictureFiles) {
    const struct {
        const char* name;
        int id; // 0: not a picture of the set
    } files[] = {
        {"133.png", 133}, {"166.BMP", 166}, {"146.Png", 146},  {"132.png", 0},
        {"167.png", 0},   {"146.jpg", 0},   {"0146.png", 0},   {"146.png.txt", 0},
        {"146", 0},       {"14a.png", 0},   {"README.txt", 0}, {"146.pn", 0},
    };
    for (const auto& file : files) {
        EXPECT_EQ(pictureOfFile(file.name).value_or(0), file.id) << file.name;
    }
    EXPECT_EQ(pngFileName(133), "133.png");
}

// Whatever the file is called: a TIFF, a JPEG or a text named 133.png is no picture.
TEST(PictureSetRulesTest, KnowAPngOrBmpByItsOwnFirstBytes) {
    using namespace std::string_literals;
    const struct {
        std::string bytes;
        PictureFormat format;
    } files[] = {
        {"\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s, PictureFormat::PNG},
        {"BM\x36\0\0\0"s, PictureFormat::BMP},
        {"\x89PNG\r\n\x1a"s, PictureFormat::NONE},
        {"\x89PNG\n\x1a\n\0"s, PictureFormat::NONE},
        {"II*\0\x08\0\0\0"s, PictureFormat::NONE},
        {"MM\0*"s, PictureFormat::NONE},
        {"\xFF\xD8\xFF\xE0"s, PictureFormat::NONE},
        {"bm"s, PictureFormat::NONE},
        {"B"s, PictureFormat::NONE},
        {""s, PictureFormat::NONE},
    };
    for (const auto& file : files) {
        EXPECT_EQ(pictureFormatOf(file.bytes), file.format) << file.bytes;
    }
}

TEST(PictureSetRulesTest, TakeOnlyNamesThatStayOneFolderInSkins) {
    for (const char* name : {"winter", "冬天", "b&w", "my rabbit", "v1.2", ".hidden", "CONSOLE"}) {
        EXPECT_TRUE(isPlainSetName(name)) << name;
    }
    for (const char* name :
         {"",   ".",  "..",  "../x", "..\\x", "a/b", "C:",      "C:\\skins", "x.",   "x ",
          "a*", "a?", "<a>", "a|b",  "\"a\"", "CON", "nul.txt", "com1",      "LPT9", "tab\tname"}) {
        EXPECT_FALSE(isPlainSetName(name)) << name;
    }
}

TEST(PictureSetRulesTest, EachPictureKeepsItsBuiltInSize) {
    const struct {
        int id;
        PictureSize size;
        bool fits;
    } pictures[] = {
        {146, {60, 88}, true},  {146, {61, 88}, false},  {146, {60, 87}, false},
        {144, {98, 106}, true}, {144, {106, 98}, false}, {132, {0, 0}, false},
    };
    for (const auto& picture : pictures) {
        EXPECT_EQ(hasBuiltInSize(picture.id, picture.size), picture.fits) << picture.id;
    }
    std::set<int> listed;
    for (const CataloguedPicture& picture : pictureCatalogue) {
        listed.insert(picture.id);
    }
    EXPECT_EQ(listed.size(), static_cast<std::size_t>(SPRITE_COUNT));
    EXPECT_EQ(*listed.begin(), FIRST_SPRITE_ID);
    EXPECT_EQ(*listed.rbegin(), LAST_SPRITE_ID);
}

TEST(PictureSetRulesTest, BackgroundIsTheTopLeftColourAndWhatAlphaHides) {
    const struct {
        const char* what;
        std::vector<uint32_t> decoded; // 0xAARRGGBB
        std::vector<uint32_t> keyed;
    } pictures[] = {
        {"no alpha: the top-left colour wherever it is",
         {0xFF0000FF, 0xFFFFFFFF, 0xFF0000FF, 0xFF000000},
         {0x0000FF, 0xFFFFFF, 0x0000FF, 0x000000}},
        {"a see-through corner: only what alpha hides, in a key no opaque pixel has",
         {0x00000000, 0xFF000000, 0x7FFFFFFF, 0x80FF0000, 0xFF00FF00},
         {0x00FF01, 0x000000, 0x00FF01, 0xFF0000, 0x00FF00}},
        {"an opaque corner with alpha: both",
         {0xFFFFFFFF, 0x10000000, 0xFFFFFFFF, 0xFF123456},
         {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x123456}},
    };
    for (const auto& picture : pictures) {
        EXPECT_EQ(keyedPixels(picture.decoded), picture.keyed) << picture.what;
    }
}

TEST(PictureSetRulesTest, TheTemplatesReadmeListsEveryPictureInEveryLanguage) {
    const std::string readme = templateReadme();
    EXPECT_EQ(readme.compare(0, 3, "\xEF\xBB\xBF"), 0) << "Notepad reads it as UTF-8";
    EXPECT_EQ(occurrences(readme, "\n"), occurrences(readme, "\r\n"));
    for (const CataloguedPicture& picture : pictureCatalogue) {
        const std::string line = pngFileName(picture.id) + "   " +
                                 std::to_string(picture.size.width) + " x " +
                                 std::to_string(picture.size.height) + "\r\n";
        EXPECT_EQ(occurrences(readme, line), static_cast<std::size_t>(LANGUAGE_COUNT)) << line;
    }
}
