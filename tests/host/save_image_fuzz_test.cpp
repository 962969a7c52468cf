// Random and cut save images decoded over random earlier states: what the bytes reach is
// taken as it stands, the rest is kept, and a name with no end is cut to 19 bytes.
#include <random>
#include <string>

#include "fake_desktop.h"

#include "rabbit/pet_record.h"
#include "save/save_image.h"

namespace {
constexpr std::size_t NAME_OFFSET = 24;
constexpr std::size_t LONGEST_DATA = 512;
constexpr int ROUNDS = 20000;

SaveImage randomImage(std::mt19937& random, bool nameEnds) {
    SaveImage image;
    for (uint8_t& byte : image) {
        // Zero bytes now and then, so names end at every place.
        byte = static_cast<uint8_t>(random() % 8 == 0 ? 0 : random());
    }
    if (nameEnds) {
        image[NAME_OFFSET + PET_NAME_BYTES - 1] = 0;
    }
    return image;
}

class SaveImageFuzz : public CoreTest {};

TEST_F(SaveImageFuzz, DecodedBytesOverlayTheEarlierState) {
    std::mt19937 random(20240611);
    for (int round = 0; round < ROUNDS; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const SaveImage before = randomImage(random, true);
        decodeSaveImage(before.data(), before.size());
        ASSERT_EQ(encodeSaveImage(), before);

        const std::size_t length = random() % (LONGEST_DATA + 1);
        std::string data(length, '\0');
        for (char& byte : data) {
            byte = static_cast<char>(random() % 8 == 0 ? 0 : random());
        }
        decodeSaveImage(reinterpret_cast<const uint8_t*>(data.data()), length);

        SaveImage expected = before;
        for (std::size_t i = 0; i < length && i < SAVE_FILE_BYTES; ++i) {
            expected[i] = static_cast<uint8_t>(data[i]);
        }
        bool nameEnds = false;
        for (std::size_t i = 0; i < PET_NAME_BYTES; ++i) {
            nameEnds = nameEnds || expected[NAME_OFFSET + i] == 0;
        }
        if (!nameEnds) {
            expected[NAME_OFFSET + PET_NAME_BYTES - 1] = 0;
        }
        ASSERT_EQ(encodeSaveImage(), expected);
    }
}

// A second load of the bytes a save wrote changes nothing, whatever the first load took.
TEST_F(SaveImageFuzz, SavedBytesLoadBackUnchanged) {
    std::mt19937 random(7);
    for (int round = 0; round < ROUNDS; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const SaveImage loaded = randomImage(random, random() % 2 == 0);
        decodeSaveImage(loaded.data(), loaded.size());
        const SaveImage saved = encodeSaveImage();
        decodeSaveImage(saved.data(), saved.size());
        ASSERT_EQ(encodeSaveImage(), saved);
    }
}
} // namespace
