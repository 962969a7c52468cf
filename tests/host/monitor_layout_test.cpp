// Free activity on several monitors: the walks wrap at the ends of the rabbit's row and
// column of monitors instead of the main screen's edges.
#include <algorithm>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>
#include <utility>
#include <vector>

#include "fake_desktop.h"

#include "animation/sprite_ids.h"
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
const std::vector<ScreenRect> ABOVE_MAIN = {MAIN, {0, -1080, 1920, 0}};
const std::vector<ScreenRect> THREE_IN_AN_L = {
    MAIN, {1920, 0, 3840, 1080}, {1920, 1080, 3840, 2160}};
// Above the main one shifted right, and below it shifted right: empty corners at its left.
const std::vector<ScreenRect> SHIFTED_ABOVE_AND_BELOW = {
    MAIN, {500, -1080, 2420, 0}, {960, 1080, 2880, 2160}};
const std::vector<ScreenRect>* const TABLE_LAYOUTS[] = {
    &ONE,        &SIDE_BY_SIDE, &LEFT_OF_MAIN,  &PORTRAIT_BESIDE,        &SHORTER_BESIDE,
    &BELOW_MAIN, &ABOVE_MAIN,   &THREE_IN_AN_L, &SHIFTED_ABOVE_AND_BELOW};
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
        // Dragged partly above the top edge: the row is where the rabbit meets the monitors.
        {&SIDE_BY_SIDE, stepWalkRight, 1915, -40, 1925, -40},
        // Left of the main monitor, at negative x; below its bottom only the main one holds
        // the row.
        {&LEFT_OF_MAIN, stepWalkLeft, 5, 300, -5, 300},
        {&LEFT_OF_MAIN, stepWalkLeft, -1275, 300, -1285, 300},
        {&LEFT_OF_MAIN, stepWalkLeft, -1315, 300, 1915, 300},
        {&LEFT_OF_MAIN, stepWalkRight, 1915, 300, -1280, 300},
        {&LEFT_OF_MAIN, stepWalkLeft, -35, 1050, 1915, 1050},
        {&LEFT_OF_MAIN, stepDiagRight, 1915, 1020, -1280, 0},
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
        // Hanging off the left edge, down across the join.
        {&BELOW_MAIN, stepDiagRight, -30, 1075, -21, 1080},
        {&ABOVE_MAIN, stepDiagRight, -30, -5, -21, 0},
        // Three in an L: a row of two above, a column of two on the right.
        {&THREE_IN_AN_L, stepWalkRight, 3835, 500, 0, 500},
        {&THREE_IN_AN_L, stepWalkLeft, 1925, 1500, 1915, 1500},
        {&THREE_IN_AN_L, stepWalkLeft, 1885, 1500, 3835, 1500},
        {&THREE_IN_AN_L, stepDiagRight, 2500, 2157, 2509, 0},
        {&THREE_IN_AN_L, stepDiagRight, 500, 1077, 509, 0},
        // Coming back at a row's left end, the step down follows the column there.
        {&THREE_IN_AN_L, stepDiagRight, 3835, 1078, 0, 0},
        {&SHIFTED_ABOVE_AND_BELOW, stepDiagRight, 1915, 1078, 0, 0},
        {&SHIFTED_ABOVE_AND_BELOW, stepDiagRight, 955, 1078, 964, 1083},
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

namespace {
// Draws that every standard library makes alike.
int draw(std::mt19937& random, int low, int high) {
    return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1));
}

bool overlaps(const ScreenRect& a, const ScreenRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// A layout as Windows allows one: the main monitor at (0, 0), the others each joined along
// an edge to one before it and overlapping none. Sizes in rabbit pixels, from a small
// monitor at 300 % to a big one at 100 %.
std::vector<ScreenRect> randomLayout(std::mt19937& random) {
    std::vector<ScreenRect> layout = {{0, 0, draw(random, 200, 2600), draw(random, 150, 1600)}};
    for (int tries = draw(random, 1, 4); tries > 0; --tries) {
        const ScreenRect to = layout[static_cast<std::size_t>(draw(random, 0, 3)) % layout.size()];
        const int width = draw(random, 200, 2600);
        const int height = draw(random, 150, 1600);
        // Past one of its edges (the first two), and flush with one end of that edge or
        // anywhere along it (the last three).
        const int lefts[] = {to.right, to.left - width, to.left, to.right - width,
                             draw(random, to.left - width + 1, to.right - 1)};
        const int tops[] = {to.bottom, to.top - height, to.top, to.bottom - height,
                            draw(random, to.top - height + 1, to.bottom - 1)};
        const bool beside = draw(random, 0, 1) == 0;
        const int left = lefts[beside ? draw(random, 0, 1) : draw(random, 2, 4)];
        const int top = tops[beside ? draw(random, 2, 4) : draw(random, 0, 1)];
        const ScreenRect m = {left, top, left + width, top + height};
        if (std::none_of(layout.begin(), layout.end(),
                         [&m](const ScreenRect& other) { return overlaps(m, other); })) {
            layout.push_back(m);
        }
    }
    return layout;
}

const ScreenRect* monitorAt(int x, int y) {
    for (const ScreenRect& m : monitors) {
        if (overlaps(m, {x, y, x + 1, y + 1})) {
            return &m;
        }
    }
    return nullptr;
}

// Where on its row the rabbit at (x, y) stands: its left edge, or the first pixel on a
// monitor when it hangs off that monitor's left end no further than the walks take it.
std::optional<int> footOf(int x, int y) {
    for (int foot = x; foot < x + 40; ++foot) {
        if (monitorAt(foot, y) != nullptr) {
            return foot;
        }
    }
    return std::nullopt;
}

// The stretch [start, end) of the row (or the column) through the pixel (x, y) that
// monitors cover without a break.
std::pair<int, int> stretchThrough(bool row, int x, int y) {
    auto covered = [&](int along) { return row ? monitorAt(along, y) : monitorAt(x, along); };
    int start = row ? x : y;
    int end = start;
    while (const ScreenRect* m = covered(end)) {
        end = row ? m->right : m->bottom;
    }
    while (const ScreenRect* m = covered(start - 1)) {
        start = row ? m->left : m->top;
    }
    return {start, end};
}

struct Walk {
    void (*step)();
    int32_t dx, dy, rightEdgeInset;
};

// A rabbit shown before a step is shown after it. One standing on a row of monitors, or
// hanging off its left end, walks the row's unbroken stretch and then, where the step
// sideways brought it, the column's, exactly as it walks one monitor: it wraps only past
// a stretch's end, onto its far end. From anywhere else a wrap lands on a monitor's edge.
::testing::AssertionResult walkKeepsTheRules(const Walk& walk) {
    const int32_t x = posX;
    const int32_t y = posY;
    walk.step();
    auto failure = [&]() {
        return ::testing::AssertionFailure() << "(" << x << "," << y << ") by (" << walk.dx << ","
                                             << walk.dy << ") to (" << posX << "," << posY << ")";
    };
    if (onAnyMonitor({x, y, x + STANDING_WIDTH, y + STANDING_HEIGHT}) &&
        !onAnyMonitor({posX, posY, posX + STANDING_WIDTH, posY + STANDING_HEIGHT})) {
        return failure() << " hides the rabbit";
    }
    int32_t wantX = x + walk.dx;
    int32_t wantY = y + walk.dy;
    if (const std::optional<int> foot = footOf(x, y)) {
        const auto [left, right] = stretchThrough(true, *foot, y);
        if (walk.dx > 0 && wantX >= right) {
            wantX = left;
        } else if (walk.dx < 0 && wantX <= left - 40) {
            wantX = right - walk.rightEdgeInset;
        }
        const auto [top, bottom] = stretchThrough(false, *footOf(wantX, y), y);
        wantY = wantY >= bottom ? top : wantY;
    } else {
        for (const ScreenRect& m : monitors) {
            wantX = posX == (walk.dx > 0 ? m.left : m.right - walk.rightEdgeInset) ? posX : wantX;
            wantY = posY == m.top ? posY : wantY;
        }
    }
    if (posX != wantX || posY != wantY) {
        return failure() << ", not (" << wantX << "," << wantY << ")";
    }
    return ::testing::AssertionSuccess();
}
} // namespace

TEST_F(MonitorLayoutTest, RandomWalksOverManyLayoutsKeepTheRabbitShownAndWrapOnlyAtLineEnds) {
    const Walk walks[] = {{stepWalkRight, 10, 0, 0},
                          {stepWalkLeft, -10, 0, 5},
                          {stepDiagLeft, -9, 5, 7},
                          {stepDiagRight, 9, 5, 0}};
    std::mt19937 random(24);
    for (int layout = 0; layout < 300; ++layout) {
        monitors = layout < static_cast<int>(std::size(TABLE_LAYOUTS)) ? *TABLE_LAYOUTS[layout]
                                                                       : randomLayout(random);
        desktop = FakeDesktop{};
        // Dropped by a drag anywhere some monitor shows part of it, then off it walks.
        for (int drop = 0; drop < 4; ++drop) {
            const ScreenRect m =
                monitors[static_cast<std::size_t>(draw(random, 0, 3)) % monitors.size()];
            posX = draw(random, m.left - STANDING_WIDTH + 1, m.right - 1);
            posY = draw(random, m.top - STANDING_HEIGHT + 1, m.bottom - 1);
            for (int step = 0; step < 1000; ++step) {
                ASSERT_TRUE(walkKeepsTheRules(walks[draw(random, 0, 3)])) << "layout " << layout;
            }
        }
    }
}
