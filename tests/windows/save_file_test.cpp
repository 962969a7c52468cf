// The save file on the real disk: the first run, short and long files, files that cannot
// be read or written, and what every failure leaves behind.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "desktop/desktop.h"
#include "desktop/running_state.h"
#include "rabbit/pet_record.h"
#include "rabbit/settings.h"
#include "save_samples.h"
#include "save_test_files.h"
#include "win_test_support.h"
#include "windows/save_file.h"

namespace {
const std::string READ_ERROR = "文件讀錯誤!!";
const std::string WRITE_ERROR = "文件寫入錯誤!!";

class SaveFileTest : public RabbitWindowTest {
  protected:
    void SetUp() override {
        RabbitWindowTest::SetUp();
        buildSaveFilePath();
    }
    void TearDown() override {
        SetFileAttributesW(saveFileInTestFolder().c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(newFileOf(saveFileInTestFolder()).c_str());
        RabbitWindowTest::TearDown();
    }

    // The texts of the boxes shown so far, each checked for its caption.
    std::vector<std::string> boxTexts() const {
        std::vector<std::string> texts;
        for (const SeenBox& box : boxes.seen) {
            EXPECT_EQ(box.caption, "警告");
            texts.push_back(box.text);
        }
        return texts;
    }

    void loadSample(int seed) {
        const SaveImage image = sampleImage(seed);
        decodeSaveImage(image.data(), image.size());
    }
};

using Texts = std::vector<std::string>;

TEST_F(SaveFileTest, LivesBesideTheExecutable) {
    EXPECT_EQ(saveFilePath, saveFileInTestFolder());
}

TEST_F(SaveFileTest, FirstRunCreatesAnEmptyFileAndNoRabbit) {
    loadState();
    EXPECT_TRUE(fileExists(saveFilePath));
    EXPECT_EQ(readFileBytes(saveFilePath), "");
    EXPECT_EQ(boxTexts(), Texts{});
    EXPECT_EQ(hasPet, 0);
    EXPECT_EQ(autoStart + autoEat + autoDrink, 0);

    saveState();
    EXPECT_EQ(readFileBytes(saveFilePath).size(), SAVE_FILE_BYTES);
    EXPECT_EQ(boxTexts(), Texts{});
}

// The first 50 bytes reach the settings, the position, hasPet, the name, the age and
// half of foodMax; the rest keeps what it held before.
TEST_F(SaveFileTest, ShortFileFillsOnlyTheFieldsItReaches) {
    const std::string bytes = sampleBytes(0).substr(0, 50);
    writeFileBytes(saveFilePath, bytes);
    pet.foodMax = 0x12340000;
    pet.food = 77;
    inventory.carrots = 5;

    loadState();

    EXPECT_EQ(boxTexts(), Texts{});
    EXPECT_EQ(autoStart, wordAt(bytes, 0));
    EXPECT_EQ(autoEat, wordAt(bytes, 4));
    EXPECT_EQ(autoDrink, wordAt(bytes, 8));
    EXPECT_EQ(posX, wordAt(bytes, 12));
    EXPECT_EQ(posY, wordAt(bytes, 16));
    EXPECT_EQ(hasPet, wordAt(bytes, 20));
    EXPECT_EQ(std::string(pet.name, PET_NAME_BYTES), bytes.substr(24, PET_NAME_BYTES));
    EXPECT_EQ(pet.ageMonths, wordAt(bytes, 44));
    EXPECT_EQ(pet.foodMax, 0x12340000 | (wordAt(bytes + std::string(2, '\0'), 48) & 0xFFFF));
    EXPECT_EQ(pet.food, 77);
    EXPECT_EQ(inventory.carrots, 5);
}

TEST_F(SaveFileTest, LoadThenSaveReproducesTheFileByteForByte) {
    writeFileBytes(saveFilePath, sampleBytes(2));
    loadState();
    saveState();
    EXPECT_EQ(readFileBytes(saveFilePath), sampleBytes(2));
    EXPECT_FALSE(fileExists(newFileOf(saveFilePath)));
    EXPECT_EQ(boxTexts(), Texts{});
}

TEST_F(SaveFileTest, BytesBeyondTheImageAreIgnoredAndKept) {
    std::string tail;
    for (int i = 0; i < 70000; ++i) {
        tail += static_cast<char>(i * 13 + 7);
    }
    writeFileBytes(saveFilePath, sampleBytes(0) + tail);
    loadState();
    EXPECT_EQ(std::string(pet.name), std::string(sampleBytes(0).c_str() + 24));

    pet.food = 1234;
    saveState();

    std::string expected = sampleBytes(0);
    putWord(expected, 52, 1234);
    EXPECT_EQ(readFileBytes(saveFilePath), expected + tail);
    EXPECT_EQ(boxTexts(), Texts{});
}

TEST_F(SaveFileTest, ReadOnlyFileLoadsButRefusesEverySave) {
    writeFileBytes(saveFilePath, sampleBytes(0));
    SetFileAttributesW(saveFilePath.c_str(), FILE_ATTRIBUTE_READONLY);

    loadState();
    EXPECT_EQ(boxTexts(), Texts{});
    EXPECT_EQ(pet.food, wordAt(sampleBytes(0), 52));

    loadSample(1);
    saveState();
    EXPECT_EQ(boxTexts(), Texts{WRITE_ERROR});
    saveState();
    EXPECT_EQ(boxTexts(), (Texts{WRITE_ERROR, WRITE_ERROR}));

    EXPECT_EQ(readFileBytes(saveFilePath), sampleBytes(0));
    EXPECT_TRUE(GetFileAttributesW(saveFilePath.c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(fileExists(newFileOf(saveFilePath)));
}

TEST_F(SaveFileTest, FileHeldOpenElsewhereFailsLoadAndSaveOnce) {
    writeFileBytes(saveFilePath, sampleBytes(0));
    HANDLE holder = CreateFileW(saveFilePath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);

    loadState();
    EXPECT_EQ(boxTexts(), Texts{READ_ERROR});
    EXPECT_EQ(hasPet, 0);
    EXPECT_EQ(pet.name[0], 0);

    loadSample(1);
    saveState();
    EXPECT_EQ(boxTexts(), (Texts{READ_ERROR, WRITE_ERROR}));

    CloseHandle(holder);
    EXPECT_EQ(readFileBytes(saveFilePath), sampleBytes(0));
    EXPECT_FALSE(fileExists(newFileOf(saveFilePath)));
}

TEST_F(SaveFileTest, FolderThatDoesNotExistFailsLoadAndSaveOnce) {
    const std::wstring folder = testFolder() + L"\\no such folder";
    saveFilePath = folder + L"\\rabbit.dat";

    loadState();
    EXPECT_EQ(boxTexts(), Texts{READ_ERROR});
    EXPECT_EQ(hasPet, 0);
    saveState();
    EXPECT_EQ(boxTexts(), (Texts{READ_ERROR, WRITE_ERROR}));
    EXPECT_FALSE(fileExists(folder));
}

// Under Wine as root no folder refuses new files; a folder under the new file's name makes
// its creation fail the same way, with access denied for good.
TEST_F(SaveFileTest, FolderThatRefusesTheNewFileIsWrittenInPlace) {
    writeFileBytes(saveFilePath, sampleBytes(0) + "beyond");
    const std::wstring blocked = newFileOf(saveFilePath);
    ASSERT_TRUE(CreateDirectoryW(blocked.c_str(), nullptr));

    loadSample(1);
    saveState();
    RemoveDirectoryW(blocked.c_str());

    EXPECT_EQ(boxTexts(), Texts{});
    EXPECT_EQ(readFileBytes(saveFilePath), sampleBytes(1) + "beyond");
}

// Antivirus scanners, the indexer and sync clients open either file for a moment.
TEST_F(SaveFileTest, FilesHeldForAMomentAreWaitedOut) {
    writeFileBytes(saveFilePath, sampleBytes(0));
    {
        FileHolder holder(saveFilePath, 400);
        ASSERT_TRUE(holder.holds());
        loadState();
    }
    EXPECT_EQ(pet.food, wordAt(sampleBytes(0), 52));

    loadSample(1);
    {
        FileHolder holder(saveFilePath, 400);
        ASSERT_TRUE(holder.holds());
        saveState();
    }
    EXPECT_EQ(readFileBytes(saveFilePath), sampleBytes(1));

    // The new file's name, where a save cut short left one.
    writeFileBytes(newFileOf(saveFilePath), "left over");
    loadSample(2);
    {
        FileHolder holder(newFileOf(saveFilePath), 400);
        ASSERT_TRUE(holder.holds());
        saveState();
    }
    EXPECT_EQ(readFileBytes(saveFilePath), sampleBytes(2));
    EXPECT_FALSE(fileExists(newFileOf(saveFilePath)));
    EXPECT_EQ(boxTexts(), Texts{});
}

TEST_F(SaveFileTest, NewFileHeldForLongFailsOnceAndLeavesTheOldOneWhole) {
    writeFileBytes(saveFilePath, sampleBytes(0));
    writeFileBytes(newFileOf(saveFilePath), "left over");
    FileHolder holder(newFileOf(saveFilePath), 4000);
    ASSERT_TRUE(holder.holds());

    loadSample(1);
    saveState();

    EXPECT_EQ(boxTexts(), Texts{WRITE_ERROR});
    EXPECT_EQ(readFileBytes(saveFilePath), sampleBytes(0));
}

TEST_F(SaveFileTest, AHiddenSystemFileStaysSo) {
    const DWORD hiddenSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    writeFileBytes(saveFilePath, sampleBytes(0));
    SetFileAttributesW(saveFilePath.c_str(), hiddenSystem);

    loadSample(1);
    saveState();

    EXPECT_EQ(boxTexts(), Texts{});
    EXPECT_EQ(readFileBytes(saveFilePath), sampleBytes(1));
    EXPECT_EQ(GetFileAttributesW(saveFilePath.c_str()) & hiddenSystem, hiddenSystem);
}

// A replace that moves the old file aside first, cut short before it renames the new one.
TEST_F(SaveFileTest, NewFileLeftAloneIsTakenUpByTheNextLoad) {
    writeFileBytes(newFileOf(saveFilePath), sampleBytes(1) + "beyond");

    loadState();

    EXPECT_EQ(boxTexts(), Texts{});
    EXPECT_EQ(pet.food, wordAt(sampleBytes(1), 52));
    EXPECT_EQ(readFileBytes(saveFilePath), sampleBytes(1) + "beyond");
    EXPECT_FALSE(fileExists(newFileOf(saveFilePath)));
}

// Every block written to a full disk fails and says so; the old file stays as it was.
// Under Wine the new file's name can lead to /dev/full; Wine neither sees nor deletes
// such a link, so the host removes it.
TEST_F(SaveFileTest, FullDiskReportsEachBlockAndLeavesTheOldFileWhole) {
    writeFileBytes(saveFilePath, sampleBytes(0));
    const std::wstring newFile = newFileOf(saveFilePath);
    if (!runOnHost(L"/bin/ln -s /dev/full", newFile, true)) {
        GTEST_SKIP() << "needs Wine and /dev/full";
    }

    loadSample(1);
    saveState();
    EXPECT_TRUE(runOnHost(L"/bin/rm", newFile, false));

    EXPECT_EQ(boxTexts(), Texts(SAVE_BLOCK_COUNT, WRITE_ERROR));
    EXPECT_EQ(readFileBytes(saveFilePath), sampleBytes(0));

    saveState();
    EXPECT_EQ(readFileBytes(saveFilePath), sampleBytes(1));
}

TEST_F(SaveFileTest, LoadErrorDuringCreationHasNoOwner) {
    writeFileBytes(saveFilePath, sampleBytes(0));
    HANDLE holder = CreateFileW(saveFilePath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    std::vector<HWND> owners;
    boxes.onOpen = [&owners](HWND box) {
        owners.push_back(GetWindow(box, GW_OWNER));
        return 0;
    };

    createRabbitWindow();
    CloseHandle(holder);

    EXPECT_EQ(boxTexts(), Texts{READ_ERROR});
    EXPECT_EQ(owners, std::vector<HWND>{nullptr});
    EXPECT_EQ(hasPet, 0);
}

TEST_F(SaveFileTest, SaveErrorBelongsToTheRabbitWindow) {
    writeFileBytes(saveFilePath, sampleBytes(0));
    SetFileAttributesW(saveFilePath.c_str(), FILE_ATTRIBUTE_READONLY);
    std::vector<HWND> owners;
    boxes.onOpen = [&owners](HWND box) {
        owners.push_back(GetWindow(box, GW_OWNER));
        return 0;
    };

    HWND window = createRabbitWindow();
    ASSERT_NE(window, nullptr);
    saveState();

    EXPECT_EQ(boxTexts(), Texts{WRITE_ERROR});
    EXPECT_EQ(owners, std::vector<HWND>{window});
}
} // namespace
