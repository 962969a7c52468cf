// The rows of rectangles cut from small colour-keyed pictures.
#include <vector>

#include "fake_desktop.h"

#include "animation/region_scan.h"

// Found by lookup from inside the standard library, so they sit beside RegionRect.
static bool operator==(const RegionRect& a, const RegionRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static std::ostream& operator<<(std::ostream& out, const RegionRect& r) {
    return out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

namespace {
constexpr uint32_t T = 0x00FF00; // the green background
constexpr uint32_t O = 0x000000;
constexpr uint32_t P = 0xFF00FF;

// Columns covered by the rectangles of one row, as the platform reads them.
std::vector<int> coveredColumns(const std::vector<RegionRect>& rects, int width) {
    std::vector<int> columns;
    for (int x = 0; x < width; ++x) {
        for (const RegionRect& r : rects) {
            if (x >= r.left && x < r.right) {
                columns.push_back(x);
                break;
            }
        }
    }
    return columns;
}

// A two-row picture whose first row is background, so the key is green.
std::vector<RegionRect> scanSecondRow(const std::vector<uint32_t>& row) {
    std::vector<uint32_t> pixels(row.size(), T);
    pixels.insert(pixels.end(), row.begin(), row.end());
    return scanRegionRows(pixels, static_cast<int>(row.size()), 2);
}
} // namespace

using RegionScanTest = CoreTest;

TEST_F(RegionScanTest, RunsClosedByBackgroundLoseTheirLastPixel) {
    EXPECT_EQ(scanSecondRow({T, O, O, O, T}), (std::vector<RegionRect>{{1, 1, 3, 2}}));
    EXPECT_EQ(coveredColumns(scanSecondRow({T, O, O, O, T}), 5), (std::vector<int>{1, 2}));

    // A lone pixel gives an empty rectangle, two give only the first.
    EXPECT_EQ(scanSecondRow({T, O, T, T, T}), (std::vector<RegionRect>{{1, 1, 1, 2}}));
    EXPECT_TRUE(coveredColumns(scanSecondRow({T, O, T, T, T}), 5).empty());
    EXPECT_EQ(coveredColumns(scanSecondRow({T, O, O, T, T}), 5), (std::vector<int>{1}));
}

TEST_F(RegionScanTest, RunsReachingTheRightEdgeKeepTheirLastPixel) {
    EXPECT_EQ(scanSecondRow({T, T, T, O, O}), (std::vector<RegionRect>{{3, 1, 5, 2}}));
    EXPECT_EQ(scanSecondRow({T, T, T, T, O}), (std::vector<RegionRect>{{4, 1, 5, 2}}));
    EXPECT_EQ(coveredColumns(scanSecondRow({O, T, O, O, T, O}), 6), (std::vector<int>{2, 5}));
}

TEST_F(RegionScanTest, FullRowsAndEveryRowInScanOrder) {
    // Key at (0,0) is green; rows 1 and 2 are fully opaque, the bottom row included.
    const std::vector<uint32_t> pixels = {T, O, T, O, O, O, P, O, O};
    EXPECT_EQ(scanRegionRows(pixels, 3, 3),
              (std::vector<RegionRect>{{1, 0, 1, 1}, {0, 1, 3, 2}, {0, 2, 3, 3}}));
}

TEST_F(RegionScanTest, AnAllBackgroundPictureHasNoOutline) {
    EXPECT_TRUE(scanRegionRows(std::vector<uint32_t>(12, T), 4, 3).empty());
    EXPECT_TRUE(scanRegionRows(std::vector<uint32_t>(12, P), 4, 3).empty());
}

TEST_F(RegionScanTest, TheTopLeftColourIsTransparentWhereverItOccurs) {
    // Magenta at (0,0): green counts as opaque and magenta cuts runs.
    const std::vector<uint32_t> pixels = {P, T, T, P, T, P, T, T};
    EXPECT_EQ(scanRegionRows(pixels, 4, 2),
              (std::vector<RegionRect>{{1, 0, 2, 1}, {0, 1, 0, 2}, {2, 1, 4, 2}}));
}

TEST_F(RegionScanTest, APixelBufferShorterThanThePictureIsNotRead) {
    EXPECT_TRUE(scanRegionRows({O, O, O}, 2, 2).empty());
    EXPECT_TRUE(scanRegionRows({}, 0, 0).empty());
}
