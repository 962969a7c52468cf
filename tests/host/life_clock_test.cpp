// The life clock: needs, self-feeding, death, months and birthdays, points, the idle
// animation it starts, the order of its changes and reports, and how far they nest.
#include <climits>
#include <string>
#include <vector>

#include "fake_desktop.h"

#include "animation/idle_animations.h"
#include "desktop/desktop.h"
#include "desktop/menu_timers.h"
#include "desktop/running_state.h"
#include "desktop/timers.h"
#include "life/adoption.h"
#include "life/life_clock.h"
#include "rabbit/pet_record.h"
#include "rabbit/random.h"
#include "rabbit/settings.h"

namespace {
const char hungerText[] = "你的兔子已經很餓了，再不餵他，就會死的!";
const char thirstText[] = "你的兔子已經很渴了，再不喝水，就會死的。";
const char deathText[] = "你的兔子太久沒吃或沒喝東西，死了!";
const char birthdayText[] =
    "你的兔子長大了一歲，以下屬性增加了：\n食物最大量+10   飲水最大量+10\n最大體力+10";

int32_t intAt(const SaveImage& image, std::size_t offset) {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) {
        bits |= static_cast<uint32_t>(image[offset + i]) << (8 * i);
    }
    return static_cast<int32_t>(bits);
}
constexpr std::size_t AGE_OFFSET = 44;
constexpr std::size_t FOOD_MAX_OFFSET = 48;

std::vector<std::string> captions() {
    std::vector<std::string> all;
    for (const FakeReport& report : desktop.reports) {
        all.push_back(report.caption);
    }
    return all;
}

bool careMenuEnabled() {
    for (int position = 3; position <= 8; ++position) {
        if (!desktop.menuEnabled[position]) {
            return false;
        }
    }
    return true;
}

// A rabbit whose food and water stay far from any warning for a long while.
void adoptWellFedRabbit() {
    adoptRabbit();
    desktop.reports.clear();
    pet.food = 100000;
    pet.water = 100000;
}

void tick(int times) {
    for (int i = 0; i < times; ++i) {
        lifeClockTick();
    }
}
} // namespace

class LifeClockTest : public CoreTest {
  protected:
    void SetUp() override {
        CoreTest::SetUp();
        adoptRabbit();
        desktop.reports.clear();
    }
};

TEST_F(LifeClockTest, ANewRabbitLeftAloneIsWarnedFromTick28AndDiesAtTick42) {
    for (int tickNumber = 1; tickNumber <= 42; ++tickNumber) {
        const auto reportsBefore = desktop.reports.size();
        lifeClockTick();
        const auto opened = desktop.reports.size() - reportsBefore;
        if (tickNumber < 28 || tickNumber % 2 == 1) {
            EXPECT_EQ(opened, 0u) << "tick " << tickNumber;
        } else if (tickNumber < 42) {
            ASSERT_EQ(opened, 2u) << "tick " << tickNumber;
            EXPECT_EQ(desktop.reports[reportsBefore].text, hungerText);
            EXPECT_EQ(desktop.reports[reportsBefore].caption, "餓了");
            EXPECT_EQ(desktop.reports[reportsBefore + 1].text, thirstText);
            EXPECT_EQ(desktop.reports[reportsBefore + 1].caption, "渴了");
        }
        if (tickNumber == 26) {
            EXPECT_EQ(pet.food, 28);
        }
    }
    ASSERT_EQ(desktop.reports.back().text, deathText);
    EXPECT_EQ(desktop.reports.back().caption, "死了");
    EXPECT_EQ(pet.food, 0);
    EXPECT_EQ(pet.water, 0);
    EXPECT_EQ(gradePoints.angelPoints, 21);
    EXPECT_EQ(gradePoints.devilPoints, 0);
    EXPECT_FALSE(careMenuEnabled());
}

TEST_F(LifeClockTest, DeathRepeatsAtEveryNeedsStepWhileTheClockAndCalendarGoOn) {
    pet.water = 0; // thirst alone kills, however well fed
    startTimer(TIMER_LIFE_CLOCK, LIFE_CLOCK_MS);
    for (int step = 1; step <= 3; ++step) {
        setCareMenuState(CARE_MENU_ENABLED);
        startTimer(TIMER_EAT, ANIM_FRAME_MS);
        startTimer(TIMER_WALK_LEFT, ANIM_FRAME_MS);
        tick(2);
        ASSERT_EQ(desktop.reports.size(), static_cast<std::size_t>(step));
        EXPECT_EQ(desktop.reports.back().text, deathText);
        EXPECT_FALSE(careMenuEnabled());
        EXPECT_FALSE(desktop.running(TIMER_EAT));
        EXPECT_FALSE(desktop.running(TIMER_WALK_LEFT));
        EXPECT_TRUE(desktop.running(TIMER_LIFE_CLOCK));
    }
    EXPECT_EQ(pet.food, 80);
    EXPECT_EQ(pet.water, 0);
    EXPECT_EQ(gradePoints.angelPoints, 3);
    tick(4);
    EXPECT_EQ(pet.ageMonths, 1);
}

TEST_F(LifeClockTest, ALowNeedWithoutSelfFeedingGoesBelowZeroAndKillsAtTheNextStep) {
    pet.food = 3;
    tick(2);
    EXPECT_EQ(pet.food, -1);
    EXPECT_EQ(desktop.reports.back().text, hungerText);
    tick(2);
    EXPECT_EQ(desktop.reports.back().text, deathText);
    EXPECT_EQ(pet.food, -1);
}

TEST_F(LifeClockTest, SelfFeedingKeepsANeedBetween26And35WithTwoItemsEveryFiveSteps) {
    autoEat = 1;
    autoDrink = 1;
    inventory.carrots = 10;
    inventory.waterBottles = 10;
    pet.food = 26;
    pet.water = 30;
    const int32_t foods[] = {32, 28, 34, 30, 26, 32, 28, 34, 30, 26};
    const int32_t waters[] = {26, 32, 28, 34, 30, 26, 32, 28, 34, 30};
    for (int step = 0; step < 10; ++step) {
        tick(2);
        EXPECT_EQ(pet.food, foods[step]) << "step " << step;
        EXPECT_EQ(pet.water, waters[step]) << "step " << step;
    }
    EXPECT_EQ(inventory.carrots, 6);
    EXPECT_EQ(inventory.waterBottles, 6);
    EXPECT_TRUE(desktop.reports.empty());
}

TEST_F(LifeClockTest, OnlyASettingOfExactlyOneWithStockLeftFeedsTheRabbit) {
    struct Case {
        int32_t setting;
        int32_t stock;
    };
    const Case refusals[] = {{1, 0}, {1, -1}, {0, 5}, {2, 5}, {-1, 5}};
    for (const Case& c : refusals) {
        resetEverything();
        adoptRabbit();
        desktop.reports.clear();
        autoEat = c.setting;
        autoDrink = c.setting;
        inventory.carrots = c.stock;
        inventory.waterBottles = c.stock;
        pet.food = 20;
        pet.water = 20;
        tick(2);
        EXPECT_EQ(pet.food, 16) << c.setting << "/" << c.stock;
        EXPECT_EQ(pet.water, 16) << c.setting << "/" << c.stock;
        EXPECT_EQ(inventory.carrots, c.stock);
        EXPECT_EQ(inventory.waterBottles, c.stock);
        EXPECT_EQ(captions(), (std::vector<std::string>{"餓了", "渴了"}));
    }
}

TEST_F(LifeClockTest, EveryTenthTickSavesAndThenAddsAMonth) {
    adoptWellFedRabbit();
    desktop.saves.clear();
    tick(9);
    EXPECT_TRUE(desktop.saves.empty());
    tick(1);
    ASSERT_EQ(desktop.saves.size(), 1u);
    EXPECT_EQ(intAt(desktop.saves[0], AGE_OFFSET), 0);
    EXPECT_EQ(pet.ageMonths, 1);
    EXPECT_EQ(monthTickCounter, 0);
}

TEST_F(LifeClockTest, Tick120IsTheFirstBirthdayAndItsSaveHoldsTheYearJustEnded) {
    adoptWellFedRabbit();
    pet.stamina = 70;
    tick(119);
    EXPECT_EQ(pet.ageMonths, 11);
    EXPECT_TRUE(desktop.reports.empty());
    tick(1);
    EXPECT_EQ(intAt(desktop.saves.back(), AGE_OFFSET), 11);
    EXPECT_EQ(intAt(desktop.saves.back(), FOOD_MAX_OFFSET), 100);
    EXPECT_EQ(pet.ageMonths, 12);
    EXPECT_EQ(pet.foodMax, 110);
    EXPECT_EQ(pet.waterMax, 110);
    EXPECT_EQ(pet.staminaMax, 110);
    EXPECT_EQ(pet.stamina, 70);
    ASSERT_EQ(desktop.reports.size(), 1u);
    EXPECT_EQ(desktop.reports[0].text, birthdayText);
    EXPECT_EQ(desktop.reports[0].caption, "屬性增加");
}

TEST_F(LifeClockTest, ExtremeLoadedAgesAndMaximaWrapAround) {
    adoptWellFedRabbit();
    pet.ageMonths = 11;
    pet.foodMax = INT32_MAX;
    monthTickCounter = 9;
    tick(1);
    EXPECT_EQ(pet.foodMax, INT32_MIN + 9);
    pet.ageMonths = INT32_MAX;
    tick(10);
    EXPECT_EQ(pet.ageMonths, INT32_MIN);
}

TEST_F(LifeClockTest, HappinessOf50EarnsADevilPointAnd51AnAngelPointUpTo50000) {
    struct Case {
        int32_t happiness;
        int32_t devilBefore, angelBefore;
        int32_t devilAfter, angelAfter;
    };
    const Case cases[] = {
        {50, 0, 0, 1, 0},
        {51, 0, 0, 0, 1},
        {-2, 7, 7, 8, 7},
        {100, 0, 49999, 0, 50000},
        {100, 0, 50000, 0, 50000},
        {0, 50000, 0, 50000, 0},
        {100, 0, INT32_MAX, 0, INT32_MAX},
    };
    for (const Case& c : cases) {
        pet.happiness = c.happiness;
        gradePoints = {c.devilBefore, c.angelBefore};
        tick(2);
        EXPECT_EQ(gradePoints.devilPoints, c.devilAfter) << c.happiness;
        EXPECT_EQ(gradePoints.angelPoints, c.angelAfter) << c.happiness;
    }
}

TEST_F(LifeClockTest, EveryTickOfAnAwakeRestingRabbitDrawsAnIdleAnimation) {
    // From a fresh start the draws are 41, 18467 (odd: blink) and 6334 (even: stretch).
    tick(3);
    EXPECT_EQ(desktop.regionIds(), (std::vector<int>{133, 133, 155}));
    EXPECT_TRUE(desktop.running(TIMER_STRETCH));
}

TEST_F(LifeClockTest, NoIdleAnimationWhileSleepingOrWanderingButNeedsStillDrain) {
    for (int32_t* flag : {&sleeping, &freeMode}) {
        resetEverything();
        adoptRabbit();
        desktop.reports.clear();
        *flag = 1;
        pet.food = 20;
        tick(2);
        EXPECT_EQ(randomSeed, 1u);
        EXPECT_TRUE(desktop.regions.empty());
        EXPECT_EQ(pet.food, 16);
        EXPECT_EQ(captions(), std::vector<std::string>{"餓了"});
    }
}

TEST_F(LifeClockTest, EachChangeIsMadeBeforeTheReportThatAnnouncesIt) {
    pet.food = 20;
    pet.water = 20;
    pet.ageMonths = 11;
    lifeTickCounter = 1;
    monthTickCounter = 9;
    std::vector<std::vector<int32_t>> seen;
    desktop.whileReportOpen = [&](const FakeReport&) {
        seen.push_back({pet.food, pet.water, pet.ageMonths, pet.foodMax, lifeTickCounter});
    };
    lifeClockTick();
    EXPECT_EQ(captions(), (std::vector<std::string>{"餓了", "渴了", "屬性增加"}));
    ASSERT_EQ(seen.size(), 3u);
    // The needs counter is reset only after the needs step's reports.
    EXPECT_EQ(seen[0], (std::vector<int32_t>{16, 20, 11, 100, 2}));
    EXPECT_EQ(seen[1], (std::vector<int32_t>{16, 16, 11, 100, 2}));
    EXPECT_EQ(seen[2], (std::vector<int32_t>{16, 16, 12, 110, 0}));
}

TEST_F(LifeClockTest, DeathGreysTheMenuBeforeItsReportAndStopsTheAnimationsAfterIt) {
    pet.food = 0;
    pet.ageMonths = 23;
    lifeTickCounter = 1;
    monthTickCounter = 9;
    startTimer(TIMER_LABOUR, 150);
    bool menuEnabledAtDeath = true;
    bool labourRunningAtDeath = false;
    desktop.whileReportOpen = [&](const FakeReport& report) {
        if (report.caption == "死了") {
            menuEnabledAtDeath = careMenuEnabled();
            labourRunningAtDeath = desktop.running(TIMER_LABOUR);
        }
    };
    lifeClockTick();
    EXPECT_EQ(captions(), (std::vector<std::string>{"死了", "屬性增加"}));
    EXPECT_FALSE(menuEnabledAtDeath);
    EXPECT_TRUE(labourRunningAtDeath);
    EXPECT_FALSE(desktop.running(TIMER_LABOUR));
    // The tick that declared death still starts its idle animation.
    EXPECT_TRUE(desktop.running(TIMER_BLINK));
}

TEST_F(LifeClockTest, TicksUnderAnOpenReportMakeTheirChangesWithoutOpeningAnother) {
    pet.food = 20;
    pet.water = 20;
    lifeTickCounter = 1;
    int innerTicks = 0;
    desktop.whileReportOpen = [&](const FakeReport& report) {
        // The user is away for ten minutes while the first warning is up.
        if (report.caption == "餓了" && innerTicks == 0) {
            for (innerTicks = 1; innerTicks <= 10; ++innerTicks) {
                lifeClockTick();
            }
        }
    };
    lifeClockTick();
    // The first inner tick finds the needs counter still at 2 and runs a needs step too.
    EXPECT_EQ(gradePoints.angelPoints, 6);
    EXPECT_EQ(pet.food, 0);
    EXPECT_EQ(pet.water, 0);
    EXPECT_EQ(pet.ageMonths, 1);
    EXPECT_FALSE(careMenuEnabled());
    // Once the hunger warning is closed the outer tick still gives its thirst warning.
    EXPECT_EQ(captions(), (std::vector<std::string>{"餓了", "渴了"}));
    desktop.whileReportOpen = nullptr;
    tick(2);
    EXPECT_EQ(desktop.reports.back().caption, "死了");
}

TEST_F(LifeClockTest, ReportsOfOtherActivitiesDoNotSilenceTheClock) {
    pet.food = 20;
    lifeTickCounter = 1;
    desktop.whileReportOpen = [&](const FakeReport& report) {
        if (report.caption == "other") {
            lifeClockTick();
        }
    };
    showReport("a care report", "other");
    EXPECT_EQ(captions(), (std::vector<std::string>{"other", "餓了"}));
}
