// Free activity on several monitors: the walks wrap at the ends of the rabbit's row and
// column of monitors instead of the main screen's edges.
#include <vector>

#include "fake_desktop.h"

#include "animation/walking.h"
#include "desktop/monitor_layout.h"
#include "desktop/running_state.h"

namespace {
using MonitorLayoutTest = CoreTest;

const ScreenRect MAIN = {0, 0, 1920, 1080};
// The first monitor of each layout is the main one.
const std::vector<ScreenRect> ONE = {MAIN};
const std::vector<ScreenRect> SIDE_BY_SIDE = {MAIN, {1920, 0, 3840, 1080}};
const std::vector<ScreenRect> LEFT_OF_MAIN = {MAIN, {-1280, 0, 0, 1024}};
const std::vector<ScreenRect> PORTRAIT_BESIDE = {MAIN, {1920, -420, 3000, 1500}};
const std::vector<ScreenRect> SHORTER_BESIDE = {MAIN, {1920, 0, 3200, 1024}};
const std::vector<ScreenRect> BELOW_MAIN = {MAIN, {0, 1080, 1920, 2160}};
const std::vector<ScreenRect> THREE_IN_AN_L = {
    MAIN, {1920, 0, 3840, 1080}, {1920, 1080, 3840, 2160}};
} // namespace

TEST_F(MonitorLayoutTest, WalksWrapAtTheEndsOfTheRabbitsRowAndColumn) {
    const struct {
        const std::vector<ScreenRect>* layout;
        void (*step)();
        int32_t x, y, wantX, wantY;
    } cases[] = {
        // One monitor: the main screen's own wraps.
        {&ONE, stepWalkLeft, -30, 500, 1915, 500},
        {&ONE, stepWalkRight, 1910, 500, 0, 500},
        {&ONE, stepDiagRight, 300, 1075, 309, 0},
        // Side by side: across the join, and around the row's outer ends.
        {&SIDE_BY_SIDE, stepWalkRight, 1915, 500, 1925, 500},
        {&SIDE_BY_SIDE, stepWalkLeft, 1925, 500, 1915, 500},
        {&SIDE_BY_SIDE, stepWalkRight, 3835, 500, 0, 500},
        {&SIDE_BY_SIDE, stepWalkLeft, -35, 500, 3835, 500},
        {&SIDE_BY_SIDE, stepDiagLeft, -31, 500, 3833, 505},
        // Left of the main monitor, at negative x; below its bottom only the main one holds
        // the row.
        {&LEFT_OF_MAIN, stepWalkLeft, 5, 300, -5, 300},
        {&LEFT_OF_MAIN, stepWalkLeft, -1275, 300, -1285, 300},
        {&LEFT_OF_MAIN, stepWalkLeft, -1315, 300, 1915, 300},
        {&LEFT_OF_MAIN, stepWalkRight, 1915, 300, -1280, 300},
        {&LEFT_OF_MAIN, stepWalkLeft, -35, 1050, 1915, 1050},
        // A taller portrait monitor: both hold y = 1050, only it holds y = 1200.
        {&PORTRAIT_BESIDE, stepWalkRight, 1915, 1050, 1925, 1050},
        {&PORTRAIT_BESIDE, stepWalkLeft, 1925, 1200, 1915, 1200},
        {&PORTRAIT_BESIDE, stepWalkLeft, 1885, 1200, 2995, 1200},
        {&PORTRAIT_BESIDE, stepDiagRight, 2500, 1497, 2509, -420},
        {&PORTRAIT_BESIDE, stepDiagLeft, 500, 1077, 491, 0},
        // A shorter monitor beside: below its bottom the main one is a row of its own.
        {&SHORTER_BESIDE, stepWalkRight, 1915, 1000, 1925, 1000},
        {&SHORTER_BESIDE, stepWalkRight, 1915, 1050, 0, 1050},
        // One below the other: going down continues into the lower one.
        {&BELOW_MAIN, stepDiagLeft, 500, 1077, 491, 1082},
        {&BELOW_MAIN, stepDiagLeft, 500, 2157, 491, 0},
        {&BELOW_MAIN, stepDiagRight, 1915, 1077, 0, 1082},
        // Three in an L: a row of two above, a column of two on the right.
        {&THREE_IN_AN_L, stepWalkRight, 3835, 500, 0, 500},
        {&THREE_IN_AN_L, stepWalkLeft, 1925, 1500, 1915, 1500},
        {&THREE_IN_AN_L, stepWalkLeft, 1885, 1500, 3835, 1500},
        {&THREE_IN_AN_L, stepDiagRight, 2500, 2157, 2509, 0},
        {&THREE_IN_AN_L, stepDiagRight, 500, 1077, 509, 0},
    };
    for (const auto& c : cases) {
        monitors = *c.layout;
        posX = c.x;
        posY = c.y;
        c.step();
        EXPECT_EQ(posX, c.wantX) << c.x << "," << c.y << " on " << c.layout->size();
        EXPECT_EQ(posY, c.wantY) << c.x << "," << c.y << " on " << c.layout->size();
    }
}

TEST_F(MonitorLayoutTest, ARabbitIsReachableWhileAnyMonitorShowsPartOfIt) {
    const struct {
        const std::vector<ScreenRect>* layout;
        ScreenRect standing;
        bool reachable;
    } cases[] = {
        {&ONE, {500, 300, 560, 388}, true},
        {&ONE, {1919, 1079, 1979, 1167}, true},
        {&ONE, {-60, 300, 0, 388}, false},
        {&ONE, {1920, 300, 1980, 388}, false},
        {&LEFT_OF_MAIN, {-600, 300, -540, 388}, true},
        {&LEFT_OF_MAIN, {-600, 1024, -540, 1112}, false},
        {&SIDE_BY_SIDE, {3000, 300, 3060, 388}, true},
        {&ONE, {3000, 300, 3060, 388}, false},
    };
    for (const auto& c : cases) {
        monitors = *c.layout;
        EXPECT_EQ(onAnyMonitor(c.standing), c.reachable)
            << c.standing.left << "," << c.standing.top << " on " << c.layout->size();
    }
}
