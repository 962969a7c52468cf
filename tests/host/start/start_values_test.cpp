// The program starts without any reset call: every sequence must already be idle.
#include <gtest/gtest.h>

#include "animation/idle_animations.h"
#include "animation/walking.h"
#include "life/care.h"
#include "rabbit/random.h"

// A program of its own, so that no other test has touched the state before.
TEST(StartValues, EverySequenceIsIdleAtProgramStart) {
    EXPECT_EQ(blinkPhase, 1);
    EXPECT_EQ(playAPhase, 61);
    EXPECT_EQ(playBPhase, 81);
    EXPECT_EQ(stretchPhase, 91);
    EXPECT_EQ(walkLeftPhase, 1);
    EXPECT_EQ(walkRightPhase, 11);
    EXPECT_EQ(diagLeftPhase, 1);
    EXPECT_EQ(diagRightPhase, 1);
    EXPECT_EQ(eatPhase, 1);
    EXPECT_EQ(drinkPhase, 1);
    EXPECT_EQ(labourPhase, 1);
    EXPECT_EQ(sleepPhase, 71);
    EXPECT_EQ(workFrameInterval, 150);
    EXPECT_EQ(randomSeed, 1u);
}
