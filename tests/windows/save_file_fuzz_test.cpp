// Damaged, cut and overlong save files loaded through the real file: none may crash or
// hang, and the save that follows writes one whole image and keeps the bytes beyond it.
// A normal run loads a few hundred files; the full run of ten thousand, covering every
// length from 0 to 512 bytes many times over, is
//   VARNOK_SAVE_FUZZ_FILES=10000 ctest --test-dir build/<dir> -R SaveFileFuzz
#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "desktop/desktop.h"
#include "rabbit/pet_record.h"
#include "save_test_files.h"
#include "win_test_support.h"
#include "windows/save_file.h"

namespace {
constexpr int NORMAL_RUN_FILES = 300;
constexpr std::size_t LONGEST_FILE = 512;
constexpr std::size_t NAME_OFFSET = 24;

int fileCount() {
    const char* wanted = std::getenv("VARNOK_SAVE_FUZZ_FILES");
    return wanted != nullptr ? std::atoi(wanted) : NORMAL_RUN_FILES;
}

// Words that break careless arithmetic: the ends of the range, -1, and the edges of
// the points cap.
const int32_t hostileWords[] = {INT32_MAX, INT32_MIN, -1, 0, 1, 50000, 50001, INT32_MIN + 1};

enum FileKind { RANDOM_BYTES, ALL_ONES, ALL_ZEROS, HOSTILE_WORDS, NO_ZERO_BYTE, BIG5_LEADS, KINDS };

std::string makeFile(FileKind kind, std::size_t length, std::mt19937& random) {
    std::string bytes(length, '\0');
    uint32_t word = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned draw = random();
        if (i % 4 == 0) {
            word = static_cast<uint32_t>(hostileWords[draw % 8]);
        }
        switch (kind) {
        case RANDOM_BYTES:
            bytes[i] = static_cast<char>(draw);
            break;
        case ALL_ONES:
            bytes[i] = '\xFF';
            break;
        case ALL_ZEROS:
            break;
        case HOSTILE_WORDS:
            bytes[i] = static_cast<char>(word >> (8 * (i % 4)));
            break;
        case NO_ZERO_BYTE:
            bytes[i] = static_cast<char>(1 + draw % 255);
            break;
        case BIG5_LEADS:
            // Lead bytes with no trail byte after them, or with trails out of range.
            bytes[i] = static_cast<char>(i % 2 == 0 ? 0x81 + draw % 0x7E : draw % 0x40 + 1);
            break;
        case KINDS:
            break;
        }
    }
    return bytes;
}

// What the file must hold after the save: the state before the load overlaid with the
// bytes the file reached, the name cut to 19 bytes when it has no end, then the extras.
std::string expectedAfterSave(const SaveImage& before, const std::string& file) {
    std::string image(before.begin(), before.end());
    image.replace(0, std::min(file.size(), SAVE_FILE_BYTES), file.substr(0, SAVE_FILE_BYTES));
    if (image.find('\0', NAME_OFFSET) >= NAME_OFFSET + PET_NAME_BYTES) {
        image[NAME_OFFSET + PET_NAME_BYTES - 1] = '\0';
    }
    return image + (file.size() > SAVE_FILE_BYTES ? file.substr(SAVE_FILE_BYTES) : "");
}

class SaveFileFuzz : public RabbitWindowTest {
  protected:
    void SetUp() override {
        RabbitWindowTest::SetUp();
        buildSaveFilePath();
    }
};

TEST_F(SaveFileFuzz, EveryDamagedFileLoadsAndSavesWhole) {
    std::random_device seedSource;
    const unsigned seed = seedSource();
    std::mt19937 random(seed);
    const int files = fileCount();
    const ULONGLONG start = GetTickCount64();
    for (int i = 0; i < files; ++i) {
        // Seven steps through 513 lengths meet each of them once every 513 files.
        const std::size_t length = static_cast<std::size_t>(i) * 7 % (LONGEST_FILE + 1);
        const FileKind kind = static_cast<FileKind>(random() % KINDS);
        SCOPED_TRACE("seed " + std::to_string(seed) + ", file " + std::to_string(i) + ", kind " +
                     std::to_string(kind) + ", length " + std::to_string(length));

        SaveImage before;
        for (uint8_t& byte : before) {
            byte = static_cast<uint8_t>(random());
        }
        before[NAME_OFFSET + PET_NAME_BYTES - 1] = 0;
        decodeSaveImage(before.data(), before.size());

        const std::string file = makeFile(kind, length, random);
        writeFileBytes(saveFilePath, file);
        loadState();
        petNameUtf8();
        saveState();

        ASSERT_EQ(readFileBytes(saveFilePath), expectedAfterSave(before, file));
        ASSERT_TRUE(boxes.seen.empty()) << boxes.describe();
    }
    std::printf("%d files loaded and saved in %llu ms\n", files, GetTickCount64() - start);
}
} // namespace
