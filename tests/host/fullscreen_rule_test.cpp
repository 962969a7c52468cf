// Which foreground windows the rabbit steps aside for.
#include <gtest/gtest.h>

#include "desktop/fullscreen_rule.h"

namespace {
// The rabbit's monitor: the second of two, right of a 1920 x 1080 one.
const ScreenRect monitor = {1920, 0, 3200, 1024};

bool fullscreen(ScreenRect frame, bool hasCaption = false, bool belongsToShell = false) {
    return isFullscreen({frame, hasCaption, belongsToShell}, monitor);
}
} // namespace

TEST(FullscreenRuleTest, ABorderlessWindowCoveringTheMonitorIsFullscreen) {
    EXPECT_TRUE(fullscreen(monitor));
    // Games often overhang the monitor by a few pixels, or span both monitors.
    EXPECT_TRUE(fullscreen({1912, -8, 3208, 1032}));
    EXPECT_TRUE(fullscreen({0, 0, 3200, 1080}));
}

TEST(FullscreenRuleTest, AWindowShortOfAnyEdgeOrOnTheOtherMonitorIsNot) {
    EXPECT_FALSE(fullscreen({1921, 0, 3200, 1024}));
    EXPECT_FALSE(fullscreen({1920, 1, 3200, 1024}));
    EXPECT_FALSE(fullscreen({1920, 0, 3199, 1024}));
    EXPECT_FALSE(fullscreen({1920, 0, 3200, 1023}));
    EXPECT_FALSE(fullscreen({0, 0, 1920, 1080}));
    // Minimised windows wait far off every monitor.
    EXPECT_FALSE(fullscreen({-32000, -32000, -31840, -31972}));
}

TEST(FullscreenRuleTest, AMaximisedCaptionedWindowAndTheShellNeverCount) {
    // Maximised with the taskbar hidden: the frame reaches past every edge.
    EXPECT_FALSE(fullscreen({1912, -8, 3208, 1032}, true));
    // The desktop's wallpaper and icon windows cover every monitor without a caption.
    EXPECT_FALSE(fullscreen({0, 0, 3200, 1080}, false, true));
}
