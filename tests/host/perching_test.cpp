// Walking on windows: the feet on the ledge in every picture, falls, rides, hops, and the
// specified walks left as they are while it is off.
#include "fake_desktop.h"

#include "animation/perching.h"
#include "animation/picture_outlines.h"
#include "animation/pose_table.h"
#include "animation/walking.h"
#include "desktop/menu_timers.h"
#include "desktop/running_state.h"
#include "desktop/timers.h"

namespace {
constexpr uint64_t EDITOR = 7;
constexpr uint64_t LOWER = 8;
const DeskMonitor SCREEN = {{0, 0, 1024, 768}, {0, 0, 1024, 728}};

// One rectangle per picture: the standing picture's outline ends on its row 87, the
// sleeping picture's on its row 104 and a walking picture's on its row 88.
void recordOutlines() {
    recordOutline(146, {{10, 3, 50, 88}}, 60, 88);
    recordOutline(144, {{3, 18, 89, 105}}, 98, 106);
    recordOutline(136, {{11, 3, 55, 89}}, 63, 89);
    recordOutline(165, {{10, 7, 52, 90}}, 62, 90);
}

Desk deskWith(std::vector<DeskWindow> windows) {
    return Desk{{SCREEN}, std::move(windows)};
}

class PerchingTest : public CoreTest {
  protected:
    void SetUp() override {
        CoreTest::SetUp();
        recordOutlines();
        screenWidth = 1024;
        screenHeight = 768;
        posX = 300;
        posY = 100;
    }
    // The row of the feet of the picture shown.
    int feetRow() const { return posY + outlineBounds(shownPicture()).bottom - 1; }
    int middle() const {
        const RegionRect outline = outlineBounds(shownPicture());
        return posX + (outline.left + outline.right) / 2;
    }
    void fallUntilStanding() {
        for (int frame = 0; frame < 200 && desktop.running(TIMER_FALL); ++frame) {
            desktop.advance(FALL_FRAME_MS);
        }
        ASSERT_FALSE(desktop.running(TIMER_FALL));
    }
};
} // namespace

TEST_F(PerchingTest, TheRabbitFallsOntoTheEdgeBelowFasterEachFrameAndStandsOnItInEveryPicture) {
    startPerching(deskWith({{EDITOR, {200, 400, 700, 700}, true}}));
    EXPECT_TRUE(desktop.running(TIMER_FALL));
    int lastStep = 0;
    int lastFeet = feetRow();
    while (desktop.running(TIMER_FALL)) {
        desktop.advance(FALL_FRAME_MS);
        keepFeetOnTheirRow();
        const int step = feetRow() - lastFeet;
        // Each frame a little further, but the last one, which stops on the edge.
        EXPECT_TRUE(step > lastStep || feetRow() == 399) << step;
        lastStep = step;
        lastFeet = feetRow();
    }
    EXPECT_EQ(feetRow(), 399);
    EXPECT_GT(desktop.redraws, 5);
    for (const int32_t shown : {0, 41, 1}) {
        pose = shown;
        keepFeetOnTheirRow();
        EXPECT_EQ(feetRow(), 399) << "pose " << shown;
    }
}

TEST_F(PerchingTest, TheRabbitRidesItsWindowAndFallsWhenTheWindowGoes) {
    posY = 400 - 88;
    startPerching(deskWith({{EDITOR, {200, 400, 700, 700}, true}}));
    EXPECT_FALSE(desktop.running(TIMER_FALL));
    const int along = middle() - 200;

    lookAtDesk(deskWith({{EDITOR, {300, 450, 800, 750}, true}}));
    EXPECT_EQ(middle() - 300, along);
    EXPECT_EQ(feetRow(), 449);
    // Another window now covers the edge under the rabbit's middle.
    lookAtDesk(deskWith({{9, {middle() - 5, 420, middle() + 300, 600}, true},
                         {EDITOR, {300, 450, 800, 750}, true}}));
    EXPECT_TRUE(desktop.running(TIMER_FALL));
    fallUntilStanding();
    EXPECT_EQ(feetRow(), 727);

    // Closed, minimised or hidden, the window leaves the list: the rabbit falls.
    posY = 400 - 88;
    letGoOfRabbit(deskWith({{EDITOR, {200, 400, 700, 700}, true}}));
    EXPECT_EQ(feetRow(), 399);
    lookAtDesk(deskWith({}));
    fallUntilStanding();
    EXPECT_EQ(feetRow(), 727);
}

TEST_F(PerchingTest, WalksKeepTheFeetOnTheLedgeAndADiagonalHopsDownOnce) {
    const Desk desk =
        deskWith({{EDITOR, {200, 300, 700, 500}, true}, {LOWER, {100, 600, 900, 700}, true}});
    posY = 300 - 88;
    startPerching(desk);
    stepWalkLeft();
    keepFeetOnTheirRow();
    EXPECT_EQ(feetRow(), 299);

    stepDiagRight();
    lookAtDesk(desk);
    fallUntilStanding();
    EXPECT_EQ(feetRow(), 599);
    // The rest of the movement walks along the lower edge.
    for (int step = 0; step < 5; ++step) {
        stepDiagRight();
        lookAtDesk(desk);
    }
    EXPECT_FALSE(desktop.running(TIMER_FALL));
    EXPECT_EQ(feetRow(), 599);

    // The next one hops to the bottom of the work area, and there walks along it.
    stepDiagRight();
    fallUntilStanding();
    EXPECT_EQ(feetRow(), 727);
    for (int step = 0; step < 6; ++step) {
        stepDiagRight();
    }
    EXPECT_FALSE(desktop.running(TIMER_FALL));
    keepFeetOnTheirRow();
    EXPECT_EQ(feetRow(), 727);
}

TEST_F(PerchingTest, AHeldRabbitDoesNotFallAndFallsFromWhereItIsDropped) {
    const Desk desk = deskWith({{EDITOR, {200, 400, 700, 700}, true}});
    startPerching(desk);
    holdRabbit();
    EXPECT_FALSE(desktop.running(TIMER_FALL));
    posX = 600;
    posY = 50;
    lookAtDesk(deskWith({}));
    keepFeetOnTheirRow();
    desktop.advance(1000);
    EXPECT_EQ(posY, 50);
    letGoOfRabbit(desk);
    fallUntilStanding();
    EXPECT_EQ(feetRow(), 399);
}

TEST_F(PerchingTest, ADeathInMidFallStillLandsAndPerchingOffLeavesTheRabbitWhereItIs) {
    startPerching(deskWith({}));
    stopAnimationTimers();
    fallUntilStanding();
    EXPECT_EQ(feetRow(), 727);

    posY = 100;
    startPerching(deskWith({}));
    desktop.advance(3 * FALL_FRAME_MS);
    keepFeetOnTheirRow();
    const int32_t y = posY;
    stopPerching();
    EXPECT_FALSE(desktop.running(TIMER_FALL));
    keepFeetOnTheirRow();
    EXPECT_EQ(posY, y);
    stepDiagRight();
    EXPECT_EQ(posY, y + 5);
}

TEST_F(PerchingTest, CountedInAnotherScaleTheRabbitStaysOnItsLedge) {
    posY = 400 - 88;
    startPerching(deskWith({{EDITOR, {200, 400, 700, 700}, true}}));
    // At twice the scale the edge is at 200 and the kept feet came a pixel below it.
    posX = 150;
    posY = 200 - 88 + 1;
    perchRescaled(deskWith({{EDITOR, {100, 200, 350, 350}, true}}));
    EXPECT_EQ(feetRow(), 199);
    EXPECT_FALSE(desktop.running(TIMER_FALL));
}
