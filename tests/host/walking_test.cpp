// The four movements, their wraps and rhythm, and the wander scheduler.
#include <vector>

#include "fake_desktop.h"

#include "animation/pose_table.h"
#include "animation/walking.h"
#include "desktop/menu_timers.h"
#include "desktop/running_state.h"
#include "desktop/timers.h"
#include "life/free_activity.h"
#include "rabbit/pet_record.h"
#include "rabbit/random.h"

namespace {
using WalkingTest = OnScreenTest;

// Movement timers the scheduler started, in order.
std::vector<int> movementsStarted() {
    std::vector<int> started;
    for (const auto& entry : desktop.timerLog) {
        if (entry.second > 0 && entry.second != TIMER_WANDER) {
            started.push_back(entry.second);
        }
    }
    return started;
}

} // namespace

TEST_F(WalkingTest, EveryStepWrapsAtItsOwnEdge) {
    const struct {
        void (*step)();
        int32_t x, y, wantX, wantY;
    } cases[] = {
        {stepWalkLeft, -29, 200, -39, 200},
        {stepWalkLeft, -30, 200, 800 - 5, 200},
        {stepWalkRight, 800 - 11, 200, 800 - 1, 200},
        {stepWalkRight, 800 - 10, 200, 0, 200},
        {stepDiagLeft, -31, 200, 800 - 7, 205},
        {stepDiagLeft, -30, 200, -39, 205},
        {stepDiagRight, 800 - 10, 200, 800 - 1, 205},
        {stepDiagRight, 800 - 9, 200, 0, 205},
        {stepDiagLeft, 300, 600 - 5, 291, 0},
        {stepDiagLeft, 300, 600 - 6, 291, 600 - 1},
        {stepDiagRight, 300, 600 - 5, 309, 0},
        {stepDiagRight, 300, 600 - 6, 309, 600 - 1},
        // Walking never moves the rabbit up or down, even below the screen.
        {stepWalkLeft, 300, 900, 290, 900},
        {stepWalkRight, 300, 600, 310, 600},
    };
    for (const auto& c : cases) {
        posX = c.x;
        posY = c.y;
        c.step();
        EXPECT_EQ(posX, c.wantX) << c.x << "," << c.y;
        EXPECT_EQ(posY, c.wantY) << c.x << "," << c.y;
    }
}

TEST_F(WalkingTest, EveryThirtyFirstSchedulerCallChangesTheNeeds) {
    pet.happiness = 50;
    pet.fatigue = 10;
    pet.stamina = 10;
    for (int call = 1; call <= 30; ++call) {
        wanderScheduler();
        ASSERT_EQ(wanderTickCounter, call);
    }
    EXPECT_EQ(pet.happiness, 50);
    EXPECT_EQ(pet.fatigue, 10);
    EXPECT_EQ(pet.stamina, 10);
    wanderScheduler();
    EXPECT_EQ(wanderTickCounter, 0);
    EXPECT_EQ(pet.happiness, 55);
    EXPECT_EQ(pet.fatigue, 12);
    EXPECT_EQ(pet.stamina, 9);
}

TEST_F(WalkingTest, NeedsChangedByWanderingStayWithinTheirBounds) {
    const struct {
        int32_t happiness, fatigue, stamina;
        int32_t wantHappiness, wantFatigue, wantStamina;
    } cases[] = {{98, 99, 0, 100, 100, 0},
                 {95, 98, 1, 100, 100, 0},
                 {100, 100, -3, 100, 100, 0},
                 {INT32_MAX, INT32_MAX, INT32_MIN, 100, 100, 0}};
    for (const auto& c : cases) {
        pet.happiness = c.happiness;
        pet.fatigue = c.fatigue;
        pet.stamina = c.stamina;
        wanderTickCounter = 30;
        wanderScheduler();
        EXPECT_EQ(pet.happiness, c.wantHappiness) << c.happiness;
        EXPECT_EQ(pet.fatigue, c.wantFatigue) << c.fatigue;
        EXPECT_EQ(pet.stamina, c.wantStamina) << c.stamina;
    }
}

TEST_F(WalkingTest, EachMovementKeepsItsRhythm) {
    const struct {
        int drawsBefore; // from a fresh start: 41, 18467, 6334, 26500 pick 1, 3, 2, 0
        int timerId;
        std::vector<int> frames;
        std::vector<long long> frameTimes;
        long long nextCall;
        int32_t dx, dy;
    } movements[] = {
        {3, TIMER_WALK_RIGHT, {137, 138, 140, 138}, {0, 150, 300, 450}, 600, 40, 0},
        {0, TIMER_WALK_LEFT, {136, 134, 135, 134}, {0, 150, 300, 450}, 600, -40, 0},
        {2,
         TIMER_DIAG_LEFT,
         {163, 164, 163, 164, 163, 164},
         {0, 200, 400, 600, 800, 1000},
         1150,
         -54,
         30},
        {1,
         TIMER_DIAG_RIGHT,
         {165, 166, 165, 166, 165, 166},
         {0, 200, 400, 600, 800, 1000},
         1150,
         54,
         30},
    };
    for (const auto& m : movements) {
        SetUp();
        for (int draw = 0; draw < m.drawsBefore; ++draw) {
            nextRandom();
        }
        wanderScheduler();
        EXPECT_EQ(activeAnimTimer, m.timerId);
        desktop.advance(m.nextCall - 1);
        EXPECT_EQ(desktop.regionIds(), m.frames) << m.timerId;
        std::vector<long long> times;
        for (const FakeFrame& frame : desktop.regions) {
            times.push_back(frame.time);
        }
        EXPECT_EQ(times, m.frameTimes) << m.timerId;
        EXPECT_EQ(posX - 300, m.dx) << m.timerId;
        EXPECT_EQ(posY - 200, m.dy) << m.timerId;
        EXPECT_EQ(activeAnimTimer, TIMER_WANDER) << m.timerId;
        EXPECT_EQ(desktop.timers.size(), 1u) << m.timerId;
        EXPECT_EQ(wanderTickCounter, 1) << m.timerId;
        desktop.advance(1);
        EXPECT_EQ(wanderTickCounter, 2) << m.timerId;
    }
}

TEST_F(WalkingTest, PosesFollowTheFrames) {
    posX = 300;
    stepWalkLeft();
    EXPECT_EQ(bitmapForPose(pose, subPose), 136);
    stepDiagRight();
    EXPECT_EQ(pose, 110);
    EXPECT_EQ(subPose, 111);
    stepWalkRight();
    // Walks leave subPose alone; pose 11 ignores it.
    EXPECT_EQ(pose, 11);
    EXPECT_EQ(subPose, 111);
    EXPECT_EQ(bitmapForPose(pose, subPose), 137);
    stepDiagLeft();
    EXPECT_EQ(bitmapForPose(pose, subPose), 163);
}

TEST_F(WalkingTest, TheSchedulerFromAFreshStart) {
    wanderScheduler(); // 41: walk left
    EXPECT_EQ(desktop.regionIds(), (std::vector<int>{136}));
    EXPECT_EQ(desktop.interval(TIMER_WALK_LEFT), 150);
    EXPECT_FALSE(desktop.running(TIMER_WANDER));
    desktop.advance(600 + 1150 + 1150 + 600);
    // 18467 down-right, 6334 down-left, 26500 right, 19169 left.
    EXPECT_EQ(movementsStarted(),
              (std::vector<int>{TIMER_WALK_LEFT, TIMER_DIAG_RIGHT, TIMER_DIAG_LEFT,
                                TIMER_WALK_RIGHT, TIMER_WALK_LEFT}));
    EXPECT_EQ(desktop.interval(TIMER_WALK_LEFT), 150);
    EXPECT_EQ(desktop.timers.size(), 1u);
    EXPECT_EQ(activeAnimTimer, TIMER_WALK_LEFT);
}

TEST_F(WalkingTest, AnInterruptedMovementGoesOnFromItsStoredPhase) {
    wanderScheduler(); // walk left
    desktop.advance(150);
    stopActiveAnimation(); // a right press
    ASSERT_EQ(walkLeftPhase, 3);
    resetRandom();
    const std::size_t before = desktop.regions.size();
    wanderScheduler(); // walk left again
    desktop.advance(150);
    EXPECT_EQ(desktop.regionIds(before), (std::vector<int>{135, 134}));
    EXPECT_EQ(desktop.regions.back().time, 300);
    EXPECT_EQ(activeAnimTimer, TIMER_WANDER);
}

TEST_F(WalkingTest, AMovementStoppedOnItsLastStepRunsOnceMoreInFull) {
    walkLeftPhase = 4;
    wanderScheduler(); // 41: walk left
    EXPECT_EQ(activeAnimTimer, TIMER_WALK_LEFT);
    EXPECT_FALSE(desktop.running(TIMER_WANDER));
    desktop.advance(749);
    EXPECT_EQ(desktop.regionIds(), (std::vector<int>{134, 136, 134, 135, 134}));
    EXPECT_EQ(wanderTickCounter, 1);

    SetUp();
    diagRightPhase = 2;
    diagRightLoops = 2;
    nextRandom();
    wanderScheduler(); // 18467: down-right, ending at once
    EXPECT_EQ(diagRightLoops, 0);
    EXPECT_EQ(activeAnimTimer, TIMER_DIAG_RIGHT);
    desktop.advance(1200);
    EXPECT_EQ(desktop.regionIds(), (std::vector<int>{166, 165, 166, 165, 166, 165, 166}));
    EXPECT_EQ(activeAnimTimer, TIMER_WANDER);
}

TEST_F(WalkingTest, ADiagonalStoppedOnItsSecondLoopEndsAfterItsNextSecondFrame) {
    nextRandom();
    wanderScheduler(); // down-right
    desktop.advance(600);
    stopActiveAnimation();
    ASSERT_EQ(diagRightLoops, 2);
    ASSERT_EQ(diagRightPhase, 1);
    resetRandom();
    nextRandom();
    const std::size_t before = desktop.regions.size();
    wanderScheduler();
    desktop.advance(200);
    EXPECT_EQ(desktop.regionIds(before), (std::vector<int>{165, 166}));
    EXPECT_EQ(activeAnimTimer, TIMER_WANDER);
}
