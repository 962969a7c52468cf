// Encoding of the state into the save file's bytes and back.
#include "save/save_image.h"

#include <cstring>

#include "desktop/running_state.h"
#include "rabbit/pet_record.h"
#include "rabbit/settings.h"

namespace {
// Every field of the file after the name, in file order.
struct Field {
    std::size_t offset;
    int32_t* value;
};

constexpr std::size_t POS_X_OFFSET = 12;
constexpr std::size_t POS_Y_OFFSET = 16;
constexpr std::size_t NAME_OFFSET = 24;

const Field* fields(std::size_t& count) {
    static const Field table[] = {
        {0, &autoStart},
        {4, &autoEat},
        {8, &autoDrink},
        {POS_X_OFFSET, &posX},
        {POS_Y_OFFSET, &posY},
        {20, &hasPet},
        {44, &pet.ageMonths},
        {48, &pet.foodMax},
        {52, &pet.food},
        {56, &pet.waterMax},
        {60, &pet.water},
        {64, &pet.staminaMax},
        {68, &pet.stamina},
        {72, &pet.health},
        {76, &pet.happiness},
        {80, &pet.fatigue},
        {84, &inventory.reserved0},
        {88, &inventory.carrots},
        {92, &inventory.reserved2},
        {96, &inventory.waterBottles},
        {100, &gradePoints.devilPoints},
        {104, &gradePoints.angelPoints},
    };
    count = sizeof table / sizeof table[0];
    return table;
}

void putInt(uint8_t* at, int32_t value) {
    const uint32_t bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<uint8_t>(bits >> (8 * i));
    }
}

int32_t getInt(const uint8_t* at) {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) {
        bits |= static_cast<uint32_t>(at[i]) << (8 * i);
    }
    return static_cast<int32_t>(bits);
}
} // namespace

SaveImage encodeSaveImage() {
    SaveImage image{};
    std::size_t count = 0;
    const Field* table = fields(count);
    for (std::size_t i = 0; i < count; ++i) {
        putInt(&image[table[i].offset], *table[i].value);
    }
    std::memcpy(&image[NAME_OFFSET], pet.name, PET_NAME_BYTES);
    return image;
}

void setSavedPlace(SaveImage& image, int32_t x, int32_t y) {
    putInt(&image[POS_X_OFFSET], x);
    putInt(&image[POS_Y_OFFSET], y);
}

void decodeSaveImage(const uint8_t* data, std::size_t length) {
    SaveImage image = encodeSaveImage();
    if (length > 0) {
        std::memcpy(image.data(), data, length < SAVE_FILE_BYTES ? length : SAVE_FILE_BYTES);
    }
    std::size_t count = 0;
    const Field* table = fields(count);
    for (std::size_t i = 0; i < count; ++i) {
        *table[i].value = getInt(&image[table[i].offset]);
    }
    std::memcpy(pet.name, &image[NAME_OFFSET], PET_NAME_BYTES);
    if (std::memchr(pet.name, 0, PET_NAME_BYTES) == nullptr) {
        pet.name[PET_NAME_BYTES - 1] = 0;
    }
}
