// The save file beside an executable in a folder with a Chinese name and in one as deep
// as a program can be started from, through the save driver copied there.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "save_samples.h"
#include "save_test_files.h"
#include "win_test_support.h"
#include "windows/wide_text.h"

namespace {
constexpr DWORD DRIVER_TIMEOUT_MS = 20000;

class SaveFolderTest : public ::testing::Test {
  protected:
    std::wstring top;

    void TearDown() override {
        if (!top.empty()) {
            removeTree(top);
        }
    }

    // The driver loads the file beside it, ages the rabbit a month and saves it back.
    void expectLoadAndSaveIn(const std::wstring& folder,
                             const std::wstring& exeName = SAVE_DRIVER_NAME) {
        const std::wstring exe = installSaveDriver(folder, exeName);
        ASSERT_TRUE(fileExists(exe));
        const std::wstring saveFile = folder + L"\\rabbit.dat";
        writeFileBytes(saveFile, sampleBytes(0));

        EXPECT_EQ(runSaveDriver(exe, L"once", DRIVER_TIMEOUT_MS), 0);

        std::string expected = sampleBytes(0);
        putWord(expected, 44, wordAt(expected, 44) + 1);
        EXPECT_EQ(readFileBytes(saveFile), expected);
        EXPECT_FALSE(fileExists(newFileOf(saveFile)));
    }
};

TEST_F(SaveFolderTest, ChineseFolder) {
    top = testFolder() + L"\\" + widen("我的兔子窩");
    expectLoadAndSaveIn(top);
}

// A program starts from a folder only while its own path stays under MAX_PATH; the save
// file's longer name and the new file's longer still then go past it.
TEST_F(SaveFolderTest, FolderAtThePathLimit) {
    const std::wstring exeName = L"v.exe";
    const std::size_t folderLength = MAX_PATH - 2 - exeName.size();
    top = testFolder() + L"\\" + std::wstring(40, L'd');
    std::wstring folder = top;
    while (folderLength - folder.size() > 80) {
        folder += L"\\" + std::wstring(40, L'e');
    }
    folder += L"\\" + widen("兔子") + std::wstring(folderLength - folder.size() - 3, L'f');
    ASSERT_EQ((folder + L"\\" + exeName).size(), static_cast<std::size_t>(MAX_PATH - 1));
    expectLoadAndSaveIn(folder, exeName);
}
} // namespace
