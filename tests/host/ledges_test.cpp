// The ledge rule over random stacks of windows on one and several monitors, against a
// plain row-by-row reading of what the user sees.
#include <random>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "desktop/timers.h"
#include "perch/ledges.h"

namespace {
const RabbitFigure RABBIT = {40, 85};

// Each with a taskbar along one edge of the main monitor.
const std::vector<DeskMonitor> LAYOUTS[] = {
    {{{0, 0, 1024, 768}, {0, 0, 1024, 728}}},
    {{{0, 0, 1280, 1024}, {0, 0, 1280, 984}}, {{-1024, 0, 0, 768}, {-1024, 0, 0, 768}}},
    {{{0, 0, 1280, 1024}, {60, 0, 1280, 1024}}, {{0, 1024, 1024, 1792}, {0, 1024, 1024, 1792}}},
};

bool inside(const ScreenRect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

const DeskMonitor* monitorAt(const Desk& desk, int x, int y) {
    for (const DeskMonitor& monitor : desk.monitors) {
        if (inside(monitor.area, x, y)) {
            return &monitor;
        }
    }
    return nullptr;
}

// Whether the user sees, at (x, y), the top edge of a window that could hold the rabbit.
bool visibleEdgeAt(const Desk& desk, const DeskMonitor& monitor, int x, int y) {
    for (const DeskWindow& window : desk.windows) {
        const ScreenRect& f = window.frame;
        if (inside(f, x, y)) {
            // The front-most window at this point: its edge, or it hides whatever lies behind.
            return f.top == y && window.offersLedge && f.right - f.left >= RABBIT.width &&
                   y - RABBIT.height >= monitor.work.top && inside(monitor.work, x, y);
        }
    }
    return false;
}

ScreenRect randomFrame(std::mt19937& random, const DeskMonitor& on) {
    std::uniform_int_distribution<int> width(10, 700);
    std::uniform_int_distribution<int> height(10, 500);
    std::uniform_int_distribution<int> x(on.area.left - 200, on.area.right);
    std::uniform_int_distribution<int> y(on.area.top - 100, on.area.bottom);
    const int left = x(random);
    const int top = y(random);
    return {left, top, left + width(random), top + height(random)};
}

Desk randomDesk(std::mt19937& random) {
    Desk desk;
    desk.monitors = LAYOUTS[random() % std::size(LAYOUTS)];
    const int count = static_cast<int>(random() % 12);
    for (int i = 0; i < count; ++i) {
        const DeskMonitor& on = desk.monitors[random() % desk.monitors.size()];
        desk.windows.push_back(
            {static_cast<uint64_t>(i + 1), randomFrame(random, on), random() % 5 != 0});
    }
    return desk;
}

std::string describe(const Desk& desk, const Footing& at) {
    std::ostringstream text;
    text << "rabbit middle " << at.middle << " feet " << at.feet << "; windows front to back:";
    for (const DeskWindow& w : desk.windows) {
        text << " [" << w.frame.left << "," << w.frame.top << "," << w.frame.right << ","
             << w.frame.bottom << (w.offersLedge ? "" : " no ledge") << "]";
    }
    return text.str();
}
} // namespace

// From any point of a monitor the rabbit lands on the first edge below it that the user
// sees, else on its work area's bottom; never lower, never on another monitor.
TEST(LedgesTest, AFallLandsOnTheFirstVisibleEdgeBelowOnItsOwnMonitor) {
    std::mt19937 random(20261210);
    for (int round = 0; round < 3000; ++round) {
        const Desk desk = randomDesk(random);
        const DeskMonitor& start = desk.monitors[random() % desk.monitors.size()];
        std::uniform_int_distribution<int> x(start.area.left, start.area.right - 1);
        std::uniform_int_distribution<int> y(start.area.top, start.area.bottom - 1);
        const Footing at = {x(random), y(random)};
        const DeskMonitor& own = *monitorAt(desk, at.middle, at.feet);
        const Ledge landing = landingBelow(desk, RABBIT, at);
        SCOPED_TRACE(describe(desk, at));

        int expected = own.work.bottom;
        for (int row = at.feet + 1; row < own.work.bottom; ++row) {
            if (visibleEdgeAt(desk, own, at.middle, row)) {
                expected = row;
                break;
            }
        }
        ASSERT_EQ(landing.top, expected);
        ASSERT_EQ(landing.windowId == FLOOR, expected == own.work.bottom);
        // Standing there, the rabbit is on the same monitor, on nothing else.
        ASSERT_EQ(monitorAt(desk, at.middle, landing.top - 1), &own);
        const Footing there = {at.middle, landing.top - 1};
        ASSERT_TRUE(ledgeUnder(desk, RABBIT, there).has_value());
        if (landing.top > at.feet + 1) {
            ASSERT_FALSE(ledgeUnder(desk, RABBIT, at).has_value());
        }
    }
}

TEST(LedgesTest, OffAllMonitorsTheRabbitFallsToTheBottomOfTheOneShowingMostOfIt) {
    Desk desk;
    desk.monitors = LAYOUTS[1];
    desk.windows.push_back({7, {-1100, 300, 1300, 600}, true});
    const struct {
        Footing at;
        int wantTop;
    } cases[] = {
        // Hanging off the right end with 5 pixels showing: the main monitor's bottom.
        {{1280 + 15, 500}, 984},
        // Off the left end of the left monitor.
        {{-1024 - 10, 200}, 768},
        // Below both, nearer the left one.
        {{-600, 900}, 768},
        // Below the main monitor's work area, on its taskbar: up onto the work area.
        {{600, 1000}, 984},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(landingBelow(desk, RABBIT, c.at).top, c.wantTop) << c.at.middle;
        EXPECT_EQ(landingBelow(desk, RABBIT, c.at).windowId, FLOOR) << c.at.middle;
    }
}

TEST(LedgesTest, AFallTakesTheFramesItsSpeedGives) {
    // A second from the top of a 1080-pixel screen, at the fall's frame rate.
    int64_t fallen = 0;
    int frames = 0;
    while (fallen < 1080) {
        fallen += fallStep(++frames);
    }
    EXPECT_NEAR(frames * FALL_FRAME_MS, 1000, 100);
}

TEST(LedgesTest, ARideKeepsTheRabbitsPlaceAlongTheEdge) {
    std::mt19937 random(34);
    std::uniform_int_distribution<int> place(-2000, 2000);
    std::uniform_int_distribution<int> width(40, 1500);
    for (int round = 0; round < 1000; ++round) {
        const int left = place(random);
        const ScreenRect before = {left, 300, left + width(random), 600};
        const int middle = before.left + static_cast<int>(random() % (before.right - before.left));
        const int newLeft = place(random);
        const ScreenRect moved = {newLeft, 100, newLeft + before.right - before.left, 400};
        EXPECT_EQ(middleAfterRide(before, moved, middle) - moved.left, middle - before.left);
        const ScreenRect resized = {newLeft, 100, newLeft + width(random), 400};
        const double share = double(middle - before.left) / (before.right - before.left);
        const int after = middleAfterRide(before, resized, middle);
        EXPECT_NEAR(after - resized.left, share * (resized.right - resized.left), 1.0);
        EXPECT_GE(after, resized.left);
        EXPECT_LT(after, resized.right);
    }
}
