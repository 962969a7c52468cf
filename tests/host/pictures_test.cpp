// Checks the committed pictures: sizes, colour depths, the green key and clean outlines,
// the twin and mirrored outlines, and the icon images and cursor hot spots.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "animation/sprite_ids.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes readFile(const std::string& relative) {
    std::ifstream in(std::string(VARNOK_SOURCE_DIR) + "/" + relative, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t u16(const Bytes& b, size_t at) {
    return b.at(at) | b.at(at + 1) << 8;
}
uint32_t u32(const Bytes& b, size_t at) {
    return u16(b, at) | u16(b, at + 2) << 16;
}
uint32_t u32BigEndian(const Bytes& b, size_t at) {
    return static_cast<uint32_t>(b.at(at)) << 24 | b.at(at + 1) << 16 | b.at(at + 2) << 8 |
           b.at(at + 3);
}

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// A picture as stored after a BITMAPINFOHEADER at `at`, with a palette or 32 bits a pixel
// (then with alpha); rows read top to bottom.
struct Picture {
    int width = 0, height = 0, bitCount = 0;
    std::vector<Rgb> palette;
    std::vector<Rgb> pixels;
    std::vector<int> alpha;
    Rgb at(int x, int y) const { return pixels[y * width + x]; }
};

Picture readDib(const Bytes& b, size_t at, bool doubledHeight) {
    Picture p;
    EXPECT_EQ(u32(b, at), 40u);
    p.width = static_cast<int>(u32(b, at + 4));
    p.height = static_cast<int>(u32(b, at + 8)) / (doubledHeight ? 2 : 1);
    p.bitCount = static_cast<int>(u16(b, at + 14));
    EXPECT_EQ(u32(b, at + 16), 0u) << "uncompressed";
    uint32_t colours = u32(b, at + 32);
    if (colours == 0 && p.bitCount <= 8)
        colours = 1u << p.bitCount;
    size_t palette = at + 40;
    for (uint32_t i = 0; i < colours; ++i)
        p.palette.push_back(
            {b.at(palette + 4 * i + 2), b.at(palette + 4 * i + 1), b.at(palette + 4 * i)});
    size_t bits = palette + 4 * colours;
    size_t stride = (p.width * p.bitCount + 31) / 32 * 4;
    p.pixels.resize(static_cast<size_t>(p.width) * p.height);
    for (int y = 0; y < p.height; ++y) {
        size_t row = bits + (p.height - 1 - y) * stride; // stored bottom-up
        for (int x = 0; x < p.width; ++x) {
            if (p.bitCount == 32) {
                size_t pixel = row + 4 * x;
                p.pixels[y * p.width + x] = {b.at(pixel + 2), b.at(pixel + 1), b.at(pixel)};
                p.alpha.push_back(b.at(pixel + 3));
                continue;
            }
            int bit = x * p.bitCount;
            int shift = 8 - p.bitCount - bit % 8;
            int index = (b.at(row + bit / 8) >> shift) & ((1 << p.bitCount) - 1);
            p.pixels[y * p.width + x] = p.palette.at(index);
        }
    }
    return p;
}

Picture readBmp(const std::string& relative) {
    Bytes b = readFile(relative);
    EXPECT_GE(b.size(), 54u) << relative;
    if (b.size() < 54)
        return {};
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(u32(b, 2), b.size());
    return readDib(b, 14, false);
}

const Rgb key{0, 255, 0};

// Far enough from the key that no outline can pick up a stray background pixel.
bool nearGreen(const Rgb& c) {
    int dr = c.r - key.r, dg = c.g - key.g, db = c.b - key.b;
    return dr * dr + dg * dg + db * db < 128 * 128;
}

std::vector<bool> outline(const Picture& p) {
    std::vector<bool> opaque;
    for (const Rgb& c : p.pixels)
        opaque.push_back(!(c == key));
    return opaque;
}

struct SpriteSpec {
    int id, width, height, bitCount;
};

const SpriteSpec sprites[] = {
    {146, 60, 88, 4}, {133, 60, 88, 4}, {136, 63, 89, 4},  {134, 64, 89, 4},  {135, 65, 88, 4},
    {137, 63, 89, 4}, {138, 64, 89, 4}, {140, 65, 88, 4},  {139, 62, 91, 4},  {141, 62, 91, 4},
    {142, 63, 93, 4}, {143, 63, 92, 4}, {144, 98, 106, 8}, {145, 98, 103, 8}, {147, 63, 86, 4},
    {148, 70, 81, 4}, {149, 73, 80, 4}, {150, 77, 80, 4},  {151, 77, 80, 4},  {152, 92, 87, 4},
    {153, 63, 77, 8}, {154, 63, 75, 8}, {161, 60, 88, 4},  {156, 62, 88, 4},  {157, 63, 86, 4},
    {158, 66, 82, 4}, {159, 69, 80, 4}, {155, 63, 84, 4},  {162, 62, 80, 4},  {160, 73, 87, 4},
    {163, 63, 94, 4}, {164, 62, 90, 4}, {165, 62, 90, 4},  {166, 63, 94, 4},
};

Picture sprite(int id) {
    return readBmp("res/sprites/" + std::to_string(id) + ".bmp");
}

TEST(Pictures, EverySpriteHasItsSizeDepthAndACleanGreenBackground) {
    for (const SpriteSpec& s : sprites) {
        SCOPED_TRACE(s.id);
        Picture p = sprite(s.id);
        EXPECT_EQ(p.width, s.width);
        EXPECT_EQ(p.height, s.height);
        EXPECT_EQ(p.bitCount, s.bitCount);
        EXPECT_EQ(p.palette.size(), 1u << s.bitCount);
        ASSERT_FALSE(p.pixels.empty());
        EXPECT_EQ(p.at(0, 0), key);
        int opaque = 0, nearKey = 0;
        for (const Rgb& c : p.pixels) {
            if (c == key)
                continue;
            ++opaque;
            nearKey += nearGreen(c);
        }
        EXPECT_EQ(nearKey, 0) << "rabbit pixels close to the key colour";
        EXPECT_GT(opaque * 4, s.width * s.height) << "at least a quarter of the frame is rabbit";
    }
}

// The walks keep this much of the rabbit on a monitor.
TEST(Pictures, TheStandingPictureIsTheSizeTheWalksKeepShown) {
    const Picture standing = sprite(STANDING_SPRITE);
    EXPECT_EQ(standing.width, STANDING_WIDTH);
    EXPECT_EQ(standing.height, STANDING_HEIGHT);
}

TEST(Pictures, BlinkHasTheStandingOutline) {
    Picture standing = sprite(146), blink = sprite(133);
    EXPECT_EQ(outline(standing), outline(blink));
    EXPECT_NE(standing.pixels, blink.pixels) << "the eyes differ";
}

TEST(Pictures, WalkingRightMirrorsWalkingLeft) {
    const int pairs[][2] = {{136, 137}, {134, 138}, {135, 140}};
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair[0]);
        Picture left = sprite(pair[0]), right = sprite(pair[1]);
        ASSERT_EQ(left.width, right.width);
        ASSERT_EQ(left.height, right.height);
        for (int y = 0; y < left.height; ++y)
            for (int x = 0; x < left.width; ++x)
                ASSERT_EQ(left.at(x, y), right.at(left.width - 1 - x, y)) << x << "," << y;
    }
}

TEST(Pictures, GradePicturesHaveTheirSizesIn256Colours) {
    const int grades[][3] = {{167, 200, 145}, {178, 110, 145}, {180, 134, 145}, {181, 107, 109},
                             {183, 114, 145}, {184, 90, 97},   {186, 145, 145}};
    for (const auto& g : grades) {
        SCOPED_TRACE(g[0]);
        Picture p = readBmp("res/grades/" + std::to_string(g[0]) + ".bmp");
        EXPECT_EQ(p.width, g[1]);
        EXPECT_EQ(p.height, g[2]);
        EXPECT_EQ(p.bitCount, 8);
    }
}

struct IconImage {
    int width, height, bitCount, hotX, hotY;
    Picture picture;
};

// Reads an .ico (type 1) or .cur (type 2); for a cursor the two directory words after the
// colour count are the hot spot rather than planes and bit count. A PNG image is checked
// for its size and RGBA form only.
std::vector<IconImage> readIconFile(const std::string& relative, int type) {
    Bytes b = readFile(relative);
    std::vector<IconImage> images;
    EXPECT_GE(b.size(), 6u) << relative;
    if (b.size() < 6)
        return images;
    EXPECT_EQ(u16(b, 0), 0u);
    EXPECT_EQ(u16(b, 2), static_cast<uint32_t>(type));
    for (uint32_t i = 0; i < u16(b, 4); ++i) {
        size_t entry = 6 + 16 * i;
        IconImage image{};
        image.width = b.at(entry) ? b.at(entry) : 256;
        image.height = b.at(entry + 1) ? b.at(entry + 1) : 256;
        image.hotX = static_cast<int>(u16(b, entry + 4));
        image.hotY = static_cast<int>(u16(b, entry + 6));
        size_t offset = u32(b, entry + 12);
        EXPECT_LE(offset + u32(b, entry + 8), b.size());
        static const unsigned char png[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
        if (offset + sizeof png <= b.size() &&
            std::equal(std::begin(png), std::end(png), b.begin() + offset)) {
            EXPECT_EQ(u32BigEndian(b, offset + 16), static_cast<uint32_t>(image.width));
            EXPECT_EQ(u32BigEndian(b, offset + 20), static_cast<uint32_t>(image.height));
            EXPECT_EQ(b.at(offset + 25), 6) << "RGBA";
            image.bitCount = 4 * b.at(offset + 24);
        } else {
            image.picture = readDib(b, offset, true);
            image.bitCount = image.picture.bitCount;
            EXPECT_EQ(image.picture.width, image.width);
            EXPECT_EQ(image.picture.height, image.height);
        }
        images.push_back(image);
    }
    return images;
}

TEST(Pictures, IconsHoldTheirSizesAndDepths) {
    struct Expected {
        const char* file;
        std::vector<std::vector<int>> images; // width, height, bits per pixel
    };
    const Expected icons[] = {
        {"varnok",
         {{32, 32, 4}, {16, 16, 4}, {32, 32, 8}, {48, 48, 32}, {64, 64, 32}, {256, 256, 32}}},
        {"small", {{16, 16, 4}}},
        {"carrot", {{32, 32, 4}, {16, 16, 4}}},
        {"water-bottle", {{32, 32, 4}, {16, 16, 4}}},
    };
    for (const Expected& e : icons) {
        SCOPED_TRACE(e.file);
        auto images = readIconFile(std::string("res/icons/") + e.file + ".ico", 1);
        ASSERT_EQ(images.size(), e.images.size());
        for (size_t i = 0; i < images.size(); ++i) {
            EXPECT_EQ(images[i].width, e.images[i][0]);
            EXPECT_EQ(images[i].height, e.images[i][1]);
            EXPECT_EQ(images[i].bitCount, e.images[i][2]);
            if (e.images[i][2] <= 8) {
                EXPECT_EQ(images[i].picture.palette.size(), 1u << e.images[i][2]);
            }
        }
    }
}

// The 32x32 image is monochrome; the larger ones are 32-bit with their hot spots scaled.
TEST(Pictures, CursorsHoldTheirSizesAndHotSpots) {
    struct Expected {
        const char* file;
        std::vector<std::vector<int>> images; // size, hot spot x, hot spot y
    };
    const Expected cursors[] = {
        {"link-hand", {{32, 11, 7}, {48, 17, 11}, {64, 22, 14}}},
        {"drag-hand", {{32, 4, 16}, {48, 6, 24}, {64, 8, 32}}},
        {"move-arrows", {{32, 16, 16}, {48, 24, 24}, {64, 32, 32}}},
    };
    for (const Expected& c : cursors) {
        SCOPED_TRACE(c.file);
        auto images = readIconFile(std::string("res/cursors/") + c.file + ".cur", 2);
        ASSERT_EQ(images.size(), c.images.size());
        for (size_t i = 0; i < images.size(); ++i) {
            const int size = c.images[i][0], hotX = c.images[i][1], hotY = c.images[i][2];
            SCOPED_TRACE(size);
            EXPECT_EQ(images[i].width, size);
            EXPECT_EQ(images[i].height, size);
            EXPECT_EQ(images[i].bitCount, size == 32 ? 1 : 32);
            EXPECT_EQ(images[i].hotX, hotX);
            EXPECT_EQ(images[i].hotY, hotY);
            // The hot spot lies on the drawn shape, not on a transparent pixel (on the
            // larger images, on its white or the edge's light grey).
            const Picture& p = images[i].picture;
            ASSERT_EQ(p.width, size);
            if (p.alpha.empty()) {
                EXPECT_EQ(p.at(hotX, hotY), (Rgb{255, 255, 255}));
            } else {
                EXPECT_GE(p.at(hotX, hotY).r, 192);
                EXPECT_EQ(p.alpha[hotY * size + hotX], 255);
            }
        }
    }
}

} // namespace
