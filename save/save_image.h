// The save file's 108 bytes: eight blocks of little-endian fields, no header.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

constexpr std::size_t SAVE_FILE_BYTES = 108;
constexpr int SAVE_BLOCK_COUNT = 8;
// settings x3, position, hasPet, PetRecord, Inventory, GradePoints.
constexpr std::size_t saveBlockSizes[SAVE_BLOCK_COUNT] = {4, 4, 4, 8, 4, 60, 16, 8};

using SaveImage = std::array<uint8_t, SAVE_FILE_BYTES>;

// The current state as the file holds it.
SaveImage encodeSaveImage();
// Puts another place into an image: the shell counts the place in the pixels of the size
// the rabbit is drawn at, the file in those of the size remembered.
void setSavedPlace(SaveImage& image, int32_t x, int32_t y);
// Takes the first `length` bytes of `data` into the state; fields beyond them keep
// their values, as a read that meets the end of the file transfers nothing. A name
// without a zero byte is cut to its first 19 bytes.
void decodeSaveImage(const uint8_t* data, std::size_t length);
