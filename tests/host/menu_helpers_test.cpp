// The care commands' menu state and the stopping of the animation timers.
#include "fake_desktop.h"

#include "desktop/desktop.h"
#include "desktop/menu_timers.h"
#include "desktop/timers.h"

using MenuHelpersTest = CoreTest;

TEST_F(MenuHelpersTest, CareMenuModesSwitchPositionsThreeToEightOnly) {
    setCareMenuState(CARE_MENU_ENABLED);
    for (int position = 0; position < 12; ++position) {
        EXPECT_EQ(desktop.menuEnabled[position], position >= 3 && position <= 8) << position;
    }
    setCareMenuState(0);
    setCareMenuState(3);
    EXPECT_TRUE(desktop.menuEnabled[5]);
    setCareMenuState(CARE_MENU_GREYED);
    for (int position = 0; position < 12; ++position) {
        EXPECT_FALSE(desktop.menuEnabled[position]) << position;
    }
}

TEST_F(MenuHelpersTest, StoppingTheAnimationsLeavesTheLifeClockRunning) {
    startTimer(TIMER_LIFE_CLOCK, 60000);
    for (int id = 1000; id <= 14000; id += 1000) {
        startTimer(id, 150);
    }
    stopAnimationTimers();
    EXPECT_TRUE(desktop.running(TIMER_LIFE_CLOCK));
    EXPECT_EQ(desktop.timers.size(), 1u);
}
