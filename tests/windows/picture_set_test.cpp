// Picture sets on the real sprite bank: a recoloured picture in the built-in outline at the
// display's scale, bad sets refused with their first problem named, the template read back as
// the built-in pictures, and the menu that lists the sets.
#include <windows.h>

#include <wincodec.h>

#include <string>
#include <vector>

#include "language/texts.h"
#include "res/resource.h"
#include "save_test_files.h"
#include "skin/background_rule.h"
#include "win_test_support.h"
#include "windows/chosen_preferences.h"
#include "windows/picture_codec.h"
#include "windows/skin_choice.h"
#include "windows/skin_menu.h"
#include "windows/skin_template.h"
#include "windows/sprite_bank.h"
#include "windows/tray_menu.h"
#include "windows/wide_text.h"

namespace {
// A picture's colours and outline as the bank holds them.
struct Snapshot {
    std::vector<uint32_t> colours;
    HRGN outline;
};

Snapshot snapshot(int id) {
    const SpriteEntry* entry = spriteEntry(id);
    HRGN outline = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(outline, outline, entry->region, RGN_OR);
    return {bitmapColours(entry->bitmap), outline};
}

std::wstring skinsInTestFolder() {
    return testFolder() + L"\\skins";
}

void writeSetFile(const std::string& set, const std::string& file, const std::string& bytes) {
    const std::wstring folder = skinsInTestFolder() + L"\\" + widen(set);
    CreateDirectoryW(skinsInTestFolder().c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    writeFileBytes(folder + L"\\" + widen(file), bytes);
}

std::string png(const std::vector<uint32_t>& pixels, PictureSize size) {
    return ImagingSession().encodePng(pixels, size);
}

// The decoders asked for while the stand-in is in place: container and vendor of each.
std::vector<std::pair<GUID, GUID>> decodersMade;
HRESULT (*realDecoder)(IWICImagingFactory*, const GUID&, const GUID&, IWICBitmapDecoder**);

HRESULT countedDecoder(IWICImagingFactory* factory, const GUID& container, const GUID& vendor,
                       IWICBitmapDecoder** decoder) {
    decodersMade.emplace_back(container, vendor);
    return realDecoder(factory, container, vendor, decoder);
}

class PictureSetTest : public RabbitWindowTest {
  protected:
    std::vector<Snapshot> builtIn; // from FIRST_SPRITE_ID on

    void SetUp() override {
        RabbitWindowTest::SetUp();
        ASSERT_NE(createRabbitWindow(), nullptr);
        for (int id = FIRST_SPRITE_ID; id <= LAST_SPRITE_ID; ++id) {
            builtIn.push_back(snapshot(id));
        }
    }
    void TearDown() override {
        for (const Snapshot& picture : builtIn) {
            DeleteObject(picture.outline);
        }
        RabbitWindowTest::TearDown();
        removeTree(skinsInTestFolder());
    }
    const Snapshot& builtInPicture(int id) const {
        return builtIn[static_cast<std::size_t>(id - FIRST_SPRITE_ID)];
    }
    // Every picture in the bank has the built-in outline and, but for picture `changed` (none:
    // 0), its colours.
    void expectOutlinesKept(int changed = 0,
                            const std::vector<uint32_t>& changedColours = {}) const {
        for (int id = FIRST_SPRITE_ID; id <= LAST_SPRITE_ID; ++id) {
            const Snapshot now = snapshot(id);
            EXPECT_EQ(now.colours, id == changed ? changedColours : builtInPicture(id).colours)
                << id;
            EXPECT_TRUE(EqualRgn(now.outline, builtInPicture(id).outline)) << id;
            DeleteObject(now.outline);
        }
    }
};

// ctest runs the scaled tests at 96, 144 and 192 DPI: the outline is cut at each scale.
using ScaledPictureSetTest = PictureSetTest;

TEST_F(ScaledPictureSetTest, ARecolouredPictureIsDrawnInTheBuiltInOutline) {
    std::vector<uint32_t> blue = builtInPicture(STANDING_SPRITE).colours;
    for (uint32_t& pixel : blue) {
        pixel = pixel == PURE_GREEN ? pixel : 0x0000FF | (pixel & 0x00FF00);
    }
    writeSetFile("blue", "146.png", png(blue, builtInSize(STANDING_SPRITE)));
    EXPECT_TRUE(setSkin("blue"));
    EXPECT_TRUE(boxes.seen.empty()) << boxes.describe();
    EXPECT_EQ(skinInUse(), "blue");
    expectOutlinesKept(STANDING_SPRITE, blue);
    EXPECT_NE(readFileBytes(preferencesFileInTestFolder()).find("skin=blue\r\n"),
              std::string::npos);
}

TEST_F(PictureSetTest, ABadSetLeavesThePicturesAsTheyWereAndNamesItsFirstProblem) {
    const std::string standing =
        png(builtInPicture(STANDING_SPRITE).colours, builtInSize(STANDING_SPRITE));
    const struct {
        const char* file;
        std::string bytes;
        const char* problem;
    } sets[] = {
        {"146.png", png(std::vector<uint32_t>(61 * 88, PURE_GREEN), {61, 88}), "61 x 88"},
        {"146.png", standing.substr(0, standing.size() / 2), "PNG"},
        {"146.bmp", std::string(2 * 1024 * 1024, '\0'), "1 MB"},
    };
    for (const auto& set : sets) {
        const std::string name = "bad" + std::to_string(&set - sets);
        SCOPED_TRACE(set.problem);
        writeSetFile(name, "133.png", standing);
        writeSetFile(name, set.file, set.bytes);
        writeSetFile(name, "150.png", "a later problem");
        boxes.seen.clear();
        EXPECT_FALSE(setSkin(name));
        ASSERT_EQ(boxes.seen.size(), 1u) << boxes.describe();
        EXPECT_EQ(boxes.seen[0].caption, text(TextId::SKIN_CAPTION));
        EXPECT_NE(boxes.seen[0].text.find(std::string(set.file) + " "), std::string::npos);
        EXPECT_NE(boxes.seen[0].text.find(set.problem), std::string::npos);
        EXPECT_EQ(skinInUse(), "");
        expectOutlinesKept();
    }
    EXPECT_FALSE(fileExists(preferencesFileInTestFolder())) << "nothing is remembered";
}

// Whatever a file is called, only Microsoft's decoder of the format its first bytes name may
// read it: a codec another program installed never sees a downloaded set.
TEST_F(PictureSetTest, OnlyMicrosoftsDecoderOfTheSignaturesFormatReadsAFile) {
    const std::string standing =
        png(builtInPicture(STANDING_SPRITE).colours, builtInSize(STANDING_SPRITE));
    const struct {
        const char* set;
        std::string bytes;
        bool used;
        std::vector<std::pair<GUID, GUID>> decoders;
    } sets[] = {
        {"tiff", "II*" + std::string(1, '\0') + standing.substr(4), false, {}},
        {"png", standing, true, {{GUID_ContainerFormatPng, GUID_VendorMicrosoft}}},
    };
    realDecoder = createDecoder;
    createDecoder = countedDecoder;
    for (const auto& set : sets) {
        SCOPED_TRACE(set.set);
        writeSetFile(set.set, "133.png", set.bytes);
        decodersMade.clear();
        boxes.seen.clear();
        EXPECT_EQ(setSkin(set.set), set.used);
        EXPECT_EQ(decodersMade, set.decoders);
        const std::string refusal = fillIn(TextId::SKIN_NOT_A_PICTURE, {{"file", "133.png"}});
        EXPECT_EQ(boxes.describe().find(refusal) != std::string::npos, !set.used)
            << boxes.describe();
    }
    createDecoder = realDecoder;
}

TEST_F(PictureSetTest, TheExportedTemplateReadsBackAsTheBuiltInPictures) {
    exportTemplate();
    ASSERT_EQ(boxes.seen.size(), 1u) << boxes.describe();
    EXPECT_NE(boxes.seen[0].text.find(narrow(skinsInTestFolder() + L"\\template\\")),
              std::string::npos);
    EXPECT_EQ(readFileBytes(skinsInTestFolder() + L"\\template\\README.txt").substr(0, 3),
              "\xEF\xBB\xBF");
    EXPECT_TRUE(setSkin("template"));
    EXPECT_EQ(boxes.seen.size(), 1u) << boxes.describe();
    EXPECT_EQ(skinInUse(), "template");
    expectOutlinesKept();
}

// Export writes over the template file by file: what else the folder holds stays, and a
// file that cannot be written is named in the one box.
TEST_F(PictureSetTest, ExportKeepsTheTemplateFoldersOtherFilesAndTellsAFailedWrite) {
    writeSetFile("template", "mine.png", "my drawing");
    exportTemplate();
    EXPECT_EQ(readFileBytes(skinsInTestFolder() + L"\\template\\mine.png"), "my drawing");

    removeTree(skinsInTestFolder() + L"\\template");
    writeFileBytes(skinsInTestFolder() + L"\\template", "a file where the folder goes");
    boxes.seen.clear();
    exportTemplate();
    ASSERT_EQ(boxes.seen.size(), 1u) << boxes.describe();
    EXPECT_EQ(boxes.seen[0].text,
              fillIn(TextId::SKIN_EXPORT_FAILED,
                     {{"file", narrow(skinsInTestFolder() + L"\\template\\133.png")}}));
    EXPECT_EQ(readFileBytes(skinsInTestFolder() + L"\\template"), "a file where the folder goes");
}

TEST_F(PictureSetTest, EveryBuiltInPictureHasTheSizeItsSetPictureMustHave) {
    for (const CataloguedPicture& picture : pictureCatalogue) {
        const SIZE size = spriteSize(picture.id);
        EXPECT_TRUE(hasBuiltInSize(picture.id, {size.cx, size.cy})) << picture.id;
    }
}

TEST_F(PictureSetTest, TheMenuListsTheSetsByNameWithTheOneInUseChecked) {
    const std::string standing =
        png(builtInPicture(STANDING_SPRITE).colours, builtInSize(STANDING_SPRITE));
    for (const char* set : {"winter", "b&w", "Autumn"}) {
        writeSetFile(set, "146.png", standing);
    }
    writeFileBytes(skinsInTestFolder() + L"\\notes.txt", "not a set");
    ASSERT_TRUE(setSkin("winter"));
    HMENU menu = createTrayMenu();
    HMENU looks = GetSubMenu(menu, TRAY_SKIN_POSITION);
    const char* const items[] = {"兔子(&R)",  "&1 Autumn", "&2 b&&w",
                                 "&3 winter", "",          "匯出範本(&E)…"};
    ASSERT_EQ(GetMenuItemCount(looks), 6);
    for (UINT position = 0; position < 6; ++position) {
        wchar_t item[64] = {};
        GetMenuStringW(looks, position, item, 64, MF_BYPOSITION);
        EXPECT_EQ(narrow(item), items[position]);
        const UINT state = GetMenuState(looks, position, MF_BYPOSITION);
        EXPECT_EQ((state & MF_CHECKED) != 0, position == 3) << position;
        EXPECT_TRUE((state & MF_SEPARATOR) != 0 || (state & MF_GRAYED) == 0) << position;
    }
    destroyTrayMenu(menu);
    EXPECT_TRUE(runSkinCommand(IDM_SKIN_BUILT_IN));
    EXPECT_EQ(skinInUse(), "");
    EXPECT_EQ(readFileBytes(preferencesFileInTestFolder()), "[varnok]\r\nskin=\r\n");
}
} // namespace
