// Save images for the save file's tests and the driver they kill: each byte of one sample
// but the name's terminator differs from the same byte of the next, so a torn file never
// passes for either.
#pragma once

#include <cstdint>
#include <string>

#include "save/save_image.h"

// The name "Bun" ends at offset 27; the bytes after its terminator are not zero, and
// neither are the reserved words, so a round trip must carry them over.
inline SaveImage sampleImage(int seed) {
    SaveImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<uint8_t>(i * 29 + 1 + static_cast<std::size_t>(seed) * 0x55);
    }
    const char name[] = "Bun";
    for (int i = 0; i < 3; ++i) {
        image[24 + i] = static_cast<uint8_t>(name[i] + seed);
    }
    image[27] = 0;
    return image;
}

inline std::string sampleBytes(int seed) {
    const SaveImage image = sampleImage(seed);
    return std::string(image.begin(), image.end());
}
