// The blink, the stretch and the two play sequences on the fake clock.
#include <vector>

#include "fake_desktop.h"

#include "animation/idle_animations.h"
#include "animation/pose_table.h"
#include "desktop/menu_timers.h"
#include "desktop/timers.h"
#include "rabbit/pet_record.h"
#include "rabbit/random.h"

namespace {
struct Shown {
    long long time;
    int bitmapId;
    bool operator==(const Shown& other) const {
        return time == other.time && bitmapId == other.bitmapId;
    }
};

std::ostream& operator<<(std::ostream& out, const Shown& shown) {
    return out << shown.bitmapId << "@" << shown.time;
}

std::vector<Shown> regionsWithTimes(std::size_t from = 0) {
    std::vector<Shown> shown;
    for (std::size_t i = from; i < desktop.regions.size(); ++i) {
        shown.push_back({desktop.regions[i].time, desktop.regions[i].bitmapId});
    }
    return shown;
}

// What the paint after the latest step would draw.
int painted() {
    return bitmapForPose(pose, subPose);
}

void expectIdle() {
    EXPECT_EQ(blinkPhase, 1);
    EXPECT_EQ(blinkPasses, 0);
    EXPECT_EQ(playAPhase, 61);
    EXPECT_EQ(playAPass, 0);
    EXPECT_EQ(playBPhase, 81);
    EXPECT_EQ(playBDepth, 0);
    EXPECT_EQ(stretchPhase, 91);
    EXPECT_TRUE(desktop.timers.empty());
}
} // namespace

using IdleAnimationsTest = CoreTest;

TEST_F(IdleAnimationsTest, ABlinkOpensTheEyesTwiceAndEndsStanding) {
    stepBlink();
    EXPECT_EQ(painted(), 133);
    EXPECT_EQ(desktop.interval(TIMER_BLINK), 200);
    desktop.advance(200);
    EXPECT_EQ(painted(), 146);
    EXPECT_EQ(pose, 0);
    EXPECT_EQ(desktop.interval(TIMER_BLINK), 300);
    desktop.advance(300);
    EXPECT_EQ(painted(), 133);
    desktop.advance(200);
    EXPECT_EQ(pose, 0);
    desktop.advance(1000);
    // Both frames hand over the wide-eyed outline, the twin of the standing one.
    EXPECT_EQ(regionsWithTimes(),
              (std::vector<Shown>{{0, 133}, {200, 133}, {500, 133}, {700, 133}}));
    expectIdle();
}

TEST_F(IdleAnimationsTest, ACallDuringABlinkTakesItsNextStepAtOnce) {
    stepBlink();
    desktop.advance(100);
    stepBlink();
    EXPECT_EQ(pose, 0);
    EXPECT_EQ(blinkPasses, 1);
    desktop.advance(300);
    EXPECT_EQ(pose, 51);
    desktop.advance(200);
    EXPECT_EQ(pose, 0);
    EXPECT_EQ(regionsWithTimes(),
              (std::vector<Shown>{{0, 133}, {100, 133}, {400, 133}, {600, 133}}));
    desktop.advance(1000);
    expectIdle();
}

TEST_F(IdleAnimationsTest, TheStretchShowsFourFramesAndStaysInItsGroup) {
    stepStretch();
    for (int tick = 0; tick < 3; ++tick) {
        EXPECT_EQ(pose, 90);
        desktop.advance(200);
    }
    desktop.advance(1000);
    EXPECT_EQ(regionsWithTimes(),
              (std::vector<Shown>{{0, 155}, {200, 162}, {400, 160}, {600, 146}}));
    EXPECT_EQ(pose, 90);
    EXPECT_EQ(subPose, 94);
    EXPECT_EQ(painted(), 146);
    expectIdle();
}

TEST_F(IdleAnimationsTest, TheFirstPlayShowsTwoPassesAndHandsOverToTheBlink) {
    stepPlayA();
    desktop.advance(1200);
    EXPECT_EQ(desktop.regionIds(), (std::vector<int>{147, 148, 149, 150, 151, 152, 148, 133}));
    EXPECT_EQ(desktop.regions.back().time, 1200);
    // The last frame of the play is covered by the blink it starts in the same step.
    EXPECT_EQ(pose, 51);
    EXPECT_EQ(painted(), 133);
    EXPECT_FALSE(desktop.running(TIMER_PLAY_A));
    desktop.advance(700);
    EXPECT_EQ(pose, 0);
    expectIdle();
}

TEST_F(IdleAnimationsTest, TheSecondPlayBowsOutAndBack) {
    playOnDoubleClick(); // 41, odd
    std::vector<int32_t> depths = {playBDepth};
    for (int tick = 0; tick < 8; ++tick) {
        desktop.advance(100);
        depths.push_back(playBDepth);
    }
    EXPECT_EQ(regionsWithTimes(), (std::vector<Shown>{{0, 161},
                                                      {100, 156},
                                                      {200, 157},
                                                      {300, 158},
                                                      {400, 159},
                                                      {500, 158},
                                                      {600, 157},
                                                      {700, 156},
                                                      {800, 161},
                                                      {800, 133}}));
    EXPECT_EQ(depths, (std::vector<int32_t>{1, 2, 3, 4, 4, 3, 2, 1, 0}));
    EXPECT_EQ(painted(), 133);
    EXPECT_FALSE(desktop.running(TIMER_PLAY_B));
    desktop.advance(700);
    EXPECT_EQ(painted(), 146);
    expectIdle();
}

TEST_F(IdleAnimationsTest, ADoubleClickDuringAPlayMovesItOnOneFrame) {
    stepPlayA();
    desktop.advance(450);
    ASSERT_EQ(playAPhase, 64);
    nextRandom(); // 41
    nextRandom(); // 18467; the double-click draws 6334, even
    playOnDoubleClick();
    EXPECT_EQ(desktop.regions.back().bitmapId, 150);
    EXPECT_EQ(desktop.regions.back().time, 450);
    EXPECT_EQ(playAPhase, 65);
    // The timer keeps its schedule: the next frame still comes at 600 ms.
    desktop.advance(150);
    EXPECT_EQ(regionsWithTimes(3), (std::vector<Shown>{{450, 150}, {600, 151}}));
}

TEST_F(IdleAnimationsTest, ADoubleClickRaisesHappinessUpToAHundred) {
    const struct {
        int32_t before;
        int32_t after;
    } cases[] = {{100, 100}, {99, 100}, {150, 100}, {50, 51}, {INT32_MAX, 100}};
    for (const auto& c : cases) {
        pet.happiness = c.before;
        playOnDoubleClick();
        EXPECT_EQ(pet.happiness, c.after) << c.before;
    }
}

TEST_F(IdleAnimationsTest, ADoubleClickDrawsOnceAndPicksThePlayByParity) {
    playOnDoubleClick(); // 41
    EXPECT_EQ(desktop.regionIds(), (std::vector<int>{161}));
    EXPECT_TRUE(desktop.running(TIMER_PLAY_B));
    resetEverything();
    nextRandom();        // 41
    nextRandom();        // 18467
    playOnDoubleClick(); // 6334
    EXPECT_EQ(desktop.regionIds(), (std::vector<int>{147}));
    EXPECT_TRUE(desktop.running(TIMER_PLAY_A));
    EXPECT_EQ(nextRandom(), 26500);
}

TEST_F(IdleAnimationsTest, AnInterruptedSequenceGoesOnWhereItStood) {
    stepStretch();
    desktop.advance(200);
    stopAnimationTimers(); // as on the rabbit's death
    stepStretch();
    EXPECT_EQ(desktop.regionIds(), (std::vector<int>{155, 162, 160}));
    EXPECT_EQ(stretchPhase, 94);
}
