// Switching free activity on and off, and what the mouse does to a wandering rabbit.
#include "fake_desktop.h"

#include "animation/walking.h"
#include "desktop/menu_timers.h"
#include "desktop/running_state.h"
#include "desktop/timers.h"
#include "life/free_activity.h"
#include "rabbit/pet_record.h"
#include "rabbit/random.h"

using FreeActivityTest = OnScreenTest;

TEST_F(FreeActivityTest, TheToggleStartsAndStopsWandering) {
    toggleFreeActivity();
    EXPECT_EQ(desktop.menuTexts[COMMAND_FREE_ACTIVITY], "停止活動");
    EXPECT_EQ(freeMode, 1);
    EXPECT_EQ(wanderTickCounter, 1);
    EXPECT_EQ(desktop.regionIds(), (std::vector<int>{136}));
    EXPECT_TRUE(desktop.running(TIMER_WALK_LEFT));

    desktop.advance(700); // the scheduler has picked the down-right movement
    toggleFreeActivity();
    EXPECT_EQ(desktop.menuTexts[COMMAND_FREE_ACTIVITY], "自由活動");
    EXPECT_EQ(freeMode, 0);
    EXPECT_TRUE(desktop.timers.empty());
    EXPECT_EQ(activeAnimTimer, TIMER_DIAG_RIGHT);
    const std::size_t shown = desktop.regions.size();
    desktop.advance(5000);
    EXPECT_EQ(desktop.regions.size(), shown);
}

TEST_F(FreeActivityTest, TheSwitchOnCallCountsTowardsTheNeeds) {
    pet.happiness = 50;
    toggleFreeActivity();
    for (int call = 2; call <= 30; ++call) {
        wanderScheduler();
    }
    EXPECT_EQ(pet.happiness, 50);
    toggleFreeActivity();
    toggleFreeActivity(); // the count goes on across free-mode periods
    EXPECT_EQ(pet.happiness, 55);
}

TEST_F(FreeActivityTest, ARightPressStopsTheMovementAndTheTailReArmsIt) {
    nextRandom(); // the first movement is the diagonal down-right, at 200 ms
    toggleFreeActivity();
    stopActiveAnimation();
    EXPECT_FALSE(desktop.running(TIMER_DIAG_RIGHT));
    rearmAfterMousePress();
    EXPECT_EQ(desktop.interval(TIMER_DIAG_RIGHT), ANIM_FRAME_MS);
    desktop.advance(150);
    EXPECT_EQ(desktop.regionIds(), (std::vector<int>{165, 166}));
}

TEST_F(FreeActivityTest, TheTailReArmsOnlyAnAwakeWanderingRabbit) {
    toggleFreeActivity();
    stopActiveAnimation();
    sleeping = 1;
    rearmAfterMousePress();
    EXPECT_TRUE(desktop.timers.empty());

    sleeping = 0;
    freeMode = 0;
    rearmAfterMousePress();
    EXPECT_TRUE(desktop.timers.empty());
}

TEST_F(FreeActivityTest, DoubleClicksPlayOnlyForAnAwakeRabbitAtRest) {
    pet.happiness = 50;
    toggleFreeActivity();
    const uint32_t seed = randomSeed;
    const std::size_t shown = desktop.regions.size();
    onDoubleClick();
    freeMode = 0;
    sleeping = 1;
    onDoubleClick();
    EXPECT_EQ(randomSeed, seed);
    EXPECT_EQ(pet.happiness, 50);
    EXPECT_EQ(desktop.regions.size(), shown);

    sleeping = 0;
    onDoubleClick();
    EXPECT_EQ(pet.happiness, 51);
    EXPECT_EQ(desktop.regions.size(), shown + 1);
}

TEST_F(FreeActivityTest, AfterDeathAPressResumesWandering) {
    toggleFreeActivity();
    stopAnimationTimers(); // as on the rabbit's death
    EXPECT_EQ(freeMode, 1);
    desktop.advance(1000);
    EXPECT_EQ(desktop.regionIds(), (std::vector<int>{136}));

    rearmAfterMousePress();
    EXPECT_EQ(desktop.interval(TIMER_WALK_LEFT), ANIM_FRAME_MS);
    desktop.advance(600);
    EXPECT_EQ(desktop.regionIds(), (std::vector<int>{136, 134, 135, 134, 165}));
}
