// The save file's byte layout: every field at its offset, short and long files.
#include <cstring>
#include <vector>

#include "fake_desktop.h"

#include "desktop/running_state.h"
#include "rabbit/pet_record.h"
#include "rabbit/settings.h"
#include "save/save_image.h"

namespace {
int32_t intAt(const SaveImage& image, std::size_t offset) {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) {
        bits |= static_cast<uint32_t>(image[offset + i]) << (8 * i);
    }
    return static_cast<int32_t>(bits);
}

// A distinct value in every field, so a field written to the wrong place shows.
void fillDistinctState() {
    autoStart = 1;
    autoEat = 2;
    autoDrink = 3;
    posX = -4;
    posY = 5;
    hasPet = 6;
    std::memcpy(pet.name, "abcdefghijklmnopqrs", 20);
    pet.ageMonths = 7;
    pet.foodMax = 8;
    pet.food = -9;
    pet.waterMax = 10;
    pet.water = 11;
    pet.staminaMax = 12;
    pet.stamina = 13;
    pet.health = 14;
    pet.happiness = -15;
    pet.fatigue = 16;
    inventory = {17, 18, 19, 20};
    gradePoints = {21, 0x7fffffff};
}
} // namespace

using SaveImageTest = CoreTest;

TEST_F(SaveImageTest, EveryFieldSitsAtItsOffsetLittleEndian) {
    fillDistinctState();
    const SaveImage image = encodeSaveImage();
    const std::pair<std::size_t, int32_t> expected[] = {
        {0, 1},   {4, 2},   {8, 3},   {12, -4}, {16, 5},   {20, 6},          {44, 7},   {48, 8},
        {52, -9}, {56, 10}, {60, 11}, {64, 12}, {68, 13},  {72, 14},         {76, -15}, {80, 16},
        {84, 17}, {88, 18}, {92, 19}, {96, 20}, {100, 21}, {104, 0x7fffffff}};
    for (const auto& [offset, value] : expected) {
        EXPECT_EQ(intAt(image, offset), value) << "offset " << offset;
    }
    EXPECT_EQ(std::memcmp(&image[24], "abcdefghijklmnopqrs", 20), 0);
    EXPECT_EQ(image[12], 0xfc); // -4, low byte first
    EXPECT_EQ(image[15], 0xff);
}

TEST_F(SaveImageTest, BlocksAddUpToTheWholeFile) {
    std::size_t total = 0;
    for (std::size_t size : saveBlockSizes) {
        total += size;
    }
    EXPECT_EQ(total, SAVE_FILE_BYTES);
}

TEST_F(SaveImageTest, LoadThenSaveReproducesEveryByte) {
    SaveImage file{};
    for (std::size_t i = 0; i < file.size(); ++i) {
        file[i] = static_cast<uint8_t>(i * 37 + 11);
    }
    file[30] = 0; // a terminator inside the name, with bytes after it that mean nothing
    decodeSaveImage(file.data(), file.size());
    EXPECT_EQ(encodeSaveImage(), file);
}

TEST_F(SaveImageTest, AShortFileKeepsTheFieldsItDoesNotReach) {
    fillDistinctState();
    const SaveImage before = encodeSaveImage();
    std::vector<uint8_t> file(50, 0);
    file[0] = 1;     // autoStart
    file[12] = 0x2c; // posX = 300
    file[13] = 0x01;
    file[20] = 1;    // hasPet
    file[24] = 'A';  // name "A"
    file[44] = 3;    // ageMonths
    file[48] = 0x34; // the two low bytes of foodMax
    file[49] = 0x12;
    decodeSaveImage(file.data(), file.size());
    const SaveImage after = encodeSaveImage();
    EXPECT_EQ(autoStart, 1);
    EXPECT_EQ(autoEat, 0);
    EXPECT_EQ(posX, 300);
    EXPECT_EQ(hasPet, 1);
    EXPECT_STREQ(pet.name, "A");
    EXPECT_EQ(pet.ageMonths, 3);
    // foodMax takes its two low bytes from the file and keeps its two high bytes.
    EXPECT_EQ(pet.foodMax, (8 & ~0xffff) | 0x1234);
    EXPECT_TRUE(std::equal(after.begin() + 50, after.end(), before.begin() + 50));
}

TEST_F(SaveImageTest, AnEmptyFileChangesNothing) {
    fillDistinctState();
    const SaveImage before = encodeSaveImage();
    decodeSaveImage(nullptr, 0);
    EXPECT_EQ(encodeSaveImage(), before);
}

TEST_F(SaveImageTest, ALongerFileIsReadOnlyForItsFirst108Bytes) {
    std::vector<uint8_t> file(200, 0x5a);
    file[30] = 0;
    decodeSaveImage(file.data(), file.size());
    const SaveImage image = encodeSaveImage();
    EXPECT_TRUE(std::equal(image.begin(), image.end(), file.begin()));
    EXPECT_EQ(gradePoints.angelPoints, 0x5a5a5a5a);
}

TEST_F(SaveImageTest, ANameWithoutATerminatorIsCutToNineteenBytes) {
    SaveImage file{};
    std::memset(&file[24], 'x', 20);
    decodeSaveImage(file.data(), file.size());
    EXPECT_EQ(std::string(pet.name), std::string(19, 'x'));
    EXPECT_EQ(petNameUtf8(), std::string(19, 'x'));
}
