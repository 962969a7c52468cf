// Display scales to whole factors, and screen points back to rabbit pixels.
#include <gtest/gtest.h>

#include "desktop/display_scale.h"

TEST(DisplayScaleTest, TheNearestWholeFactorWithHalvesRoundingUp) {
    const struct {
        int dpi;
        int scale;
    } table[] = {{96, 1},  {120, 1}, {144, 2}, {168, 2}, {192, 2},
                 {240, 3}, {288, 3}, {72, 1},  {0, 1}};
    for (const auto& row : table) {
        EXPECT_EQ(scaleForDpi(row.dpi), row.scale) << row.dpi << " dpi";
    }
}

TEST(DisplayScaleTest, ScreenPointsComeBackAsTheNearestRabbitPixel) {
    EXPECT_EQ(rabbitPixelsOf(620, 1), 620);
    EXPECT_EQ(rabbitPixelsOf(-7, 1), -7);
    // On the grid, then off it by one: a half rounds up, on both sides of 0.
    EXPECT_EQ(rabbitPixelsOf(1240, 2), 620);
    EXPECT_EQ(rabbitPixelsOf(1241, 2), 621);
    EXPECT_EQ(rabbitPixelsOf(-80, 2), -40);
    EXPECT_EQ(rabbitPixelsOf(-81, 2), -40);
    EXPECT_EQ(rabbitPixelsOf(-82, 2), -41);
    EXPECT_EQ(rabbitPixelsOf(301, 3), 100);
    EXPECT_EQ(rabbitPixelsOf(302, 3), 101);
    EXPECT_EQ(rabbitPixelsOf(-302, 3), -101);
}

TEST(DisplayScaleTest, MonitorEdgesRoundTowardMinusInfinity) {
    const struct {
        int screenPixels, scale, rabbitPixels;
    } table[] = {{1920, 1, 1920},  {-1280, 1, -1280}, {1920, 2, 960}, {1025, 2, 512},
                 {-1024, 2, -512}, {-1025, 2, -513},  {-1, 3, -1},    {2, 3, 0}};
    for (const auto& row : table) {
        EXPECT_EQ(rabbitPixelsDown(row.screenPixels, row.scale), row.rabbitPixels)
            << row.screenPixels << " at " << row.scale;
    }
}
