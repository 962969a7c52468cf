// The care activities: refusals, frame and timer sequences with their timings, what
// each books before and after its report, the labour outcomes and the reward table.
#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "fake_desktop.h"

#include "animation/pose_table.h"
#include "desktop/desktop.h"
#include "desktop/running_state.h"
#include "desktop/timers.h"
#include "life/adoption.h"
#include "life/care.h"
#include "life/life_clock.h"
#include "rabbit/pet_record.h"
#include "rabbit/random.h"

namespace {
using Frames = std::vector<std::pair<long long, int>>;

// The pictures among `ids` handed to the window, with their times.
Frames framesOf(std::initializer_list<int> ids) {
    Frames frames;
    for (const FakeFrame& frame : desktop.regions) {
        for (int id : ids) {
            if (frame.bitmapId == id) {
                frames.emplace_back(frame.time, id);
            }
        }
    }
    return frames;
}

bool careMenuEnabled() {
    for (int position = 3; position <= 8; ++position) {
        if (!desktop.menuEnabled[position]) {
            return false;
        }
    }
    return true;
}

// A seed whose next draw leaves the wanted remainder.
uint32_t seedDrawing(int32_t remainder, int32_t modulus) {
    for (uint32_t seed = 0;; ++seed) {
        randomSeed = seed;
        if (nextRandom() % modulus == remainder) {
            return seed;
        }
    }
}

void startWandering() {
    freeMode = 1;
    activeAnimTimer = TIMER_WANDER;
    startTimer(TIMER_WANDER, ANIM_FRAME_MS);
}

const char labourCaption[] = "勞動";
} // namespace

class CareTest : public CoreTest {
  protected:
    void SetUp() override {
        CoreTest::SetUp();
        adoptRabbit();
        desktop.reports.clear();
    }
};

TEST_F(CareTest, EatingAlternatesItsTwoPicturesEvery150MsAndEndsAt1800Ms) {
    commandEat();
    desktop.advance(1799);
    EXPECT_TRUE(desktop.reports.empty());
    desktop.advance(1);
    EXPECT_EQ(framesOf({139, 141}), (Frames{{150, 139},
                                            {300, 141},
                                            {450, 139},
                                            {600, 141},
                                            {750, 139},
                                            {900, 141},
                                            {1050, 139},
                                            {1200, 141},
                                            {1350, 139},
                                            {1500, 141},
                                            {1650, 139},
                                            {1800, 141}}));
    EXPECT_FALSE(desktop.running(TIMER_EAT));
    ASSERT_EQ(desktop.reports.size(), 1u);
    EXPECT_EQ(desktop.reports[0].time, 1800);
    EXPECT_EQ(desktop.regions.back().bitmapId, 133); // the blink back to standing
    EXPECT_EQ(eatPhase, 1);
    EXPECT_EQ(eatLoops, 0);
}

TEST_F(CareTest, DrinkingShowsItsFirstPictureAt150MsThenEvery300MsAndEndsAt2250Ms) {
    commandDrink();
    desktop.advance(2250);
    EXPECT_EQ(framesOf({142, 143}), (Frames{{150, 142},
                                            {450, 143},
                                            {750, 142},
                                            {1050, 143},
                                            {1350, 142},
                                            {1650, 143},
                                            {1950, 142},
                                            {2250, 143}}));
    EXPECT_FALSE(desktop.running(TIMER_DRINK));
    ASSERT_EQ(desktop.reports.size(), 1u);
    EXPECT_EQ(desktop.reports[0].time, 2250);
}

TEST_F(CareTest, LabourHoldsItsFirstPicture150MsAndItsSecond300MsAndEndsAt2550Ms) {
    commandLabour();
    EXPECT_EQ(desktop.interval(TIMER_LABOUR), 150);
    desktop.advance(2550);
    EXPECT_EQ(framesOf({144, 145}), (Frames{{150, 144},
                                            {300, 145},
                                            {600, 144},
                                            {750, 145},
                                            {1050, 144},
                                            {1200, 145},
                                            {1500, 144},
                                            {1650, 145},
                                            {1950, 144},
                                            {2100, 145},
                                            {2400, 144},
                                            {2550, 145}}));
    EXPECT_FALSE(desktop.running(TIMER_LABOUR));
    EXPECT_EQ(desktop.reports.back().time, 2550);
}

TEST_F(CareTest, SleepShowsItsFirstPictureAtOnceAndWakesAt50500Ms) {
    pet.staminaMax = 110;
    pet.stamina = 3;
    pet.fatigue = 70;
    pet.happiness = 60;
    commandSleep();
    EXPECT_EQ(pose, 71);
    EXPECT_EQ(sleeping, 1);
    EXPECT_FALSE(careMenuEnabled());
    desktop.advance(50499);
    EXPECT_EQ(sleeping, 1);
    EXPECT_EQ(pose, 71);
    desktop.advance(1);
    const Frames frames = framesOf({153, 154});
    ASSERT_EQ(frames.size(), 42u);
    EXPECT_EQ((Frames{frames.begin(), frames.begin() + 4}),
              (Frames{{0, 153}, {500, 154}, {2500, 153}, {3000, 154}}));
    EXPECT_EQ(frames.back(), (std::pair<long long, int>{50500, 154}));
    EXPECT_EQ(sleeping, 0);
    EXPECT_TRUE(careMenuEnabled());
    EXPECT_FALSE(desktop.running(TIMER_SLEEP));
    EXPECT_EQ(desktop.regions.back().bitmapId, 133);
    EXPECT_EQ(pet.stamina, 110);
    EXPECT_EQ(pet.fatigue, 0);
    EXPECT_EQ(pet.happiness, 60);
    EXPECT_TRUE(desktop.reports.empty());
}

TEST_F(CareTest, EachPictureSetsItsPoseCode) {
    const std::pair<void (*)(), std::vector<int32_t>> activities[] = {
        {commandEat, {21, 22}}, {commandDrink, {31, 32}}, {commandLabour, {41, 42}}};
    for (const auto& activity : activities) {
        activity.first();
        std::vector<int32_t> poses;
        for (int step = 0; step < 2; ++step) {
            desktop.advance(desktop.timers.begin()->second.due - desktop.now);
            poses.push_back(pose);
        }
        EXPECT_EQ(poses, activity.second);
        resetEverything();
        adoptRabbit();
    }
}

TEST_F(CareTest, SleepingFromFreeActivityEndsItFirst) {
    startWandering();
    commandSleep();
    EXPECT_EQ(freeMode, 0);
    EXPECT_FALSE(desktop.running(TIMER_WANDER));
    EXPECT_EQ(desktop.menuTexts[32780], "自由活動");
}

TEST_F(CareTest, RefusalsReportWhyAndLeaveFreeActivityRunning) {
    struct Case {
        void (*prepare)();
        void (*command)();
        const char* text;
        const char* caption;
    };
    const Case cases[] = {
        {[] { pet.food = pet.foodMax; }, commandEat, "你的兔子很飽啊，不用餵了。", "餵兔子"},
        {[] { inventory.carrots = 0; }, commandEat, "你沒有蘿蔔，怎麼餵兔子啊!", "餵兔子"},
        {[] { inventory.carrots = -1; }, commandEat, "你沒有蘿蔔，怎麼餵兔子啊!", "餵兔子"},
        {[] { pet.water = pet.waterMax; }, commandDrink, "你的兔子不口渴，不用喝水。", "餵兔子"},
        {[] { inventory.waterBottles = 0; }, commandDrink, "你沒有水，喝什麼啊?", "餵兔子"},
        {[] { pet.stamina = 0; }, commandLabour, "要那麼殘忍啊，兔子已經快不行了。", "勞動"},
        {[] { pet.stamina = -5; }, commandLabour, "要那麼殘忍啊，兔子已經快不行了。", "勞動"},
    };
    for (const Case& c : cases) {
        resetEverything();
        adoptRabbit();
        desktop.reports.clear();
        startWandering();
        c.prepare();
        c.command();
        ASSERT_EQ(desktop.reports.size(), 1u) << c.text;
        EXPECT_EQ(desktop.reports[0].text, c.text);
        EXPECT_EQ(desktop.reports[0].caption, c.caption);
        EXPECT_EQ(freeMode, 1);
        EXPECT_EQ(desktop.timers.size(), 1u) << c.text; // only the wandering
    }
}

TEST_F(CareTest, AcceptedCommandsEndFreeActivity) {
    for (void (*command)() : {commandEat, commandDrink, commandLabour}) {
        resetEverything();
        adoptRabbit();
        startWandering();
        command();
        EXPECT_EQ(freeMode, 0);
        EXPECT_FALSE(desktop.running(TIMER_WANDER));
        EXPECT_EQ(desktop.menuTexts[32780], "自由活動");
        EXPECT_EQ(desktop.timers.size(), 1u);
    }
}

TEST_F(CareTest, EatingAndDrinkingFillUpOrAddAPortionWithTheirOwnReports) {
    struct Case {
        void (*command)();
        int32_t* level;
        int32_t* stock;
        int32_t levelBefore;
        int32_t levelAfter;
        const char* text;
        const char* caption;
        int32_t happinessAfter; // from 50
    };
    const Case cases[] = {
        {commandEat, &pet.food, &inventory.carrots, 95, 100, "你的兔子已經吃得夠飽了!", "吃飽了",
         53},
        {commandEat, &pet.food, &inventory.carrots, 90, 100, "兔子吃得很開心!", "吃東西", 54},
        {commandEat, &pet.food, &inventory.carrots, -3, 7, "兔子吃得很開心!", "吃東西", 54},
        {commandDrink, &pet.water, &inventory.waterBottles, 95, 100, "你的兔子已經喝得很飽了!",
         "喝飽了", 52},
        {commandDrink, &pet.water, &inventory.waterBottles, 90, 100, "你的兔子喝水後很開心!",
         "喝飽了", 53},
    };
    for (const Case& c : cases) {
        resetEverything();
        adoptRabbit();
        desktop.reports.clear();
        pet.happiness = 50;
        *c.level = c.levelBefore;
        std::vector<int32_t> atReport;
        desktop.whileReportOpen = [&](const FakeReport&) {
            atReport = {*c.level, *c.stock, pet.happiness, desktop.regions.back().bitmapId};
        };
        c.command();
        desktop.advance(3000);
        ASSERT_EQ(desktop.reports.size(), 1u) << c.text;
        EXPECT_EQ(desktop.reports[0].text, c.text);
        EXPECT_EQ(desktop.reports[0].caption, c.caption);
        // Stock and need are booked before the report; joy and the blink after it.
        EXPECT_EQ(atReport[0], c.levelAfter) << c.text;
        EXPECT_EQ(atReport[1], 1) << c.text;
        EXPECT_EQ(atReport[2], 50) << c.text;
        EXPECT_NE(atReport[3], 133) << c.text;
        EXPECT_EQ(pet.happiness, c.happinessAfter) << c.text;
    }
}

TEST_F(CareTest, HappinessGainsStopAt100) {
    pet.happiness = 98;
    pet.food = 50;
    commandEat();
    desktop.advance(1800);
    EXPECT_EQ(pet.happiness, 100);
}

TEST_F(CareTest, ChoosingEatAgainRestartsThePeriodButBooksOneMeal) {
    commandEat();
    desktop.advance(1000);
    commandEat();
    desktop.advance(1000);
    EXPECT_EQ(framesOf({139, 141}).size(), 12u);
    EXPECT_EQ(desktop.reports.size(), 1u);
    EXPECT_EQ(inventory.carrots, 1);
    EXPECT_EQ(pet.food, 90);
}

TEST_F(CareTest, TheStockIsTakenAtTheEndWithoutAFreshCheck) {
    inventory.carrots = 1;
    commandEat();
    desktop.advance(900);
    inventory.carrots = 0; // the rabbit helped itself in the meantime
    desktop.advance(900);
    EXPECT_EQ(inventory.carrots, -1);
}

TEST_F(CareTest, AMealCutShortByDeathTakesNothingAndTheNextMealContinuesTheCount) {
    commandEat();
    desktop.advance(900); // three loops done
    pet.water = 0;
    lifeTickCounter = 1;
    lifeClockTick();
    EXPECT_FALSE(desktop.running(TIMER_EAT));
    EXPECT_EQ(inventory.carrots, 2);
    EXPECT_EQ(eatLoops, 3);
    desktop.reports.clear();
    pet.water = 50;
    commandEat();
    desktop.advance(900);
    EXPECT_EQ(desktop.reports.size(), 1u);
    EXPECT_EQ(inventory.carrots, 1);
}

TEST_F(CareTest, EatDrinkAndLabourRunSideBySideAndEachBooksItsOwnEffect) {
    randomSeed = seedDrawing(9, 10); // the labour earns nothing
    commandEat();
    commandDrink();
    commandLabour();
    desktop.advance(3000);
    EXPECT_EQ(inventory.carrots, 1);
    EXPECT_EQ(inventory.waterBottles, 1);
    EXPECT_EQ(pet.food, 90);
    EXPECT_EQ(pet.water, 90);
    EXPECT_EQ(pet.fatigue, 10);
}

TEST_F(CareTest, LabourOutcomesFollowTheFatigueAfterIt) {
    struct Case {
        int32_t fatigueBefore;
        int32_t fatigueAfter;
        int32_t staminaCost;
        int32_t happinessAfter; // from 100
    };
    const Case cases[] = {
        {0, 10, 11, 97},  {10, 20, 12, 97},  {20, 30, 13, 97},  {30, 40, 14, 97},
        {40, 50, 15, 80}, {50, 60, 16, 76},  {60, 70, 17, 72},  {70, 80, 18, 68},
        {80, 90, 19, 64}, {90, 100, 20, 60}, {95, 100, 20, 60}, {100, 100, 20, 60},
    };
    for (const Case& c : cases) {
        resetEverything();
        adoptRabbit();
        desktop.reports.clear();
        pet.fatigue = c.fatigueBefore;
        commandLabour();
        desktop.advance(2550);
        EXPECT_EQ(pet.fatigue, c.fatigueAfter) << c.fatigueBefore;
        EXPECT_EQ(pet.stamina, 100 - c.staminaCost) << c.fatigueBefore;
        EXPECT_EQ(pet.happiness, c.happinessAfter) << c.fatigueBefore;
        ASSERT_EQ(desktop.reports.size(), 1u);
        EXPECT_EQ(desktop.reports[0].caption, labourCaption); // the reward's roll
    }
}

TEST_F(CareTest, LightLabourRollsWithTheHappinessBeforeItsDeductionWhichHasNoFloor) {
    pet.happiness = 1;
    int32_t happinessAtRoll = 0;
    desktop.whileReportOpen = [&](const FakeReport&) { happinessAtRoll = pet.happiness; };
    commandLabour();
    desktop.advance(2550);
    EXPECT_EQ(happinessAtRoll, 1);
    EXPECT_EQ(pet.happiness, -2);
}

TEST_F(CareTest, HeavyLabourRollsOnlyWhenTheReducedHappinessIsNotNegative) {
    for (int32_t happiness : {40, 39}) {
        resetEverything();
        adoptRabbit();
        desktop.reports.clear();
        pet.stamina = 20;
        pet.fatigue = 90;
        pet.happiness = happiness;
        commandLabour();
        desktop.advance(2550);
        EXPECT_EQ(pet.fatigue, 100);
        EXPECT_EQ(pet.stamina, 0);
        EXPECT_EQ(pet.happiness, 0);
        ASSERT_EQ(desktop.reports.size(), 1u);
        if (happiness == 40) {
            EXPECT_EQ(desktop.reports[0].caption, labourCaption);
            EXPECT_NE(randomSeed, 1u);
        } else {
            EXPECT_EQ(desktop.reports[0].text, "你的兔子很累了!\n由於還要勞動,很不愉快!");
            EXPECT_EQ(desktop.reports[0].caption, "兔子勞動");
            EXPECT_EQ(randomSeed, 1u);
        }
    }
}

TEST_F(CareTest, LabourWithStaminaUnder20RunsInFullAndEndsExhausted) {
    for (int32_t stamina : {1, 19}) {
        resetEverything();
        adoptRabbit();
        desktop.reports.clear();
        pet.stamina = stamina;
        pet.fatigue = 30;
        pet.happiness = 90;
        int32_t happinessAtReport = 0;
        desktop.whileReportOpen = [&](const FakeReport&) { happinessAtReport = pet.happiness; };
        commandLabour();
        desktop.advance(2550);
        EXPECT_EQ(framesOf({144, 145}).size(), 12u);
        ASSERT_EQ(desktop.reports.size(), 1u);
        EXPECT_EQ(desktop.reports[0].text, "你的兔子累得無法勞動了,什麼也得不到,要讓他多休息啊!");
        EXPECT_EQ(desktop.reports[0].caption, "兔子累了");
        EXPECT_EQ(pet.stamina, 0);
        EXPECT_EQ(pet.fatigue, 40);
        EXPECT_EQ(happinessAtReport, 90);
        EXPECT_EQ(pet.happiness, 74);
        EXPECT_EQ(randomSeed, 1u); // no reward drawn
        EXPECT_EQ(desktop.regions.back().bitmapId, 133);
        desktop.whileReportOpen = nullptr;
    }
    commandLabour();
    EXPECT_EQ(desktop.reports.back().caption, "勞動");
    EXPECT_FALSE(desktop.running(TIMER_LABOUR));
}

TEST_F(CareTest, ExhaustionTakesHappinessNoLowerThanZero) {
    pet.stamina = 5;
    pet.fatigue = 100;
    pet.happiness = 30;
    commandLabour();
    desktop.advance(2550);
    EXPECT_EQ(pet.happiness, 0);
}

TEST_F(CareTest, EveryRollOfTheRewardHasItsPhraseAndStock) {
    struct Row {
        int32_t roll;
        const char* phrase;
        int32_t carrots;
        int32_t bottles;
    };
    const char twoCarrots[] = "經過努力勞動﹐得到了兩根蘿蔔獎勵!";
    const char oneCarrot[] = "經過努力勞動﹐得到了一根蘿蔔獎勵!";
    const char twoBottles[] = "由於特別努力勞動﹐得到了兩瓶水獎勵!";
    const char oneBottle[] = "經過努力勞動﹐得到了一瓶水獎勵!";
    const char nothing[] = "雖經過勞動，但不夠勤快，得不到獎勵!";
    const Row rows[] = {{0, twoCarrots, 2, 0}, {1, oneCarrot, 1, 0},  {2, oneCarrot, 1, 0},
                        {3, oneCarrot, 1, 0},  {4, twoBottles, 0, 2}, {5, oneBottle, 0, 1},
                        {6, oneBottle, 0, 1},  {7, oneBottle, 0, 1},  {8, nothing, 0, 0},
                        {9, nothing, 0, 0}};
    for (const Row& row : rows) {
        resetEverything();
        adoptRabbit();
        desktop.reports.clear();
        randomSeed = seedDrawing(row.roll, 10); // a happy rabbit draws from ten
        std::vector<int32_t> stockAtReport;
        desktop.whileReportOpen = [&](const FakeReport&) {
            stockAtReport = {inventory.carrots, inventory.waterBottles};
        };
        rollLabourReward();
        ASSERT_EQ(desktop.reports.size(), 1u);
        EXPECT_EQ(desktop.reports[0].text, std::string("你的兔子") + row.phrase) << row.roll;
        EXPECT_EQ(desktop.reports[0].caption, labourCaption);
        EXPECT_EQ(stockAtReport, (std::vector<int32_t>{2, 2})) << row.roll;
        EXPECT_EQ(inventory.carrots, 2 + row.carrots) << row.roll;
        EXPECT_EQ(inventory.waterBottles, 2 + row.bottles) << row.roll;
    }
}

TEST_F(CareTest, ASadderRabbitDrawsFromAWiderRange) {
    struct Case {
        int32_t happiness;
        int32_t modulus;
    };
    // A draw of 10 or more comes only from a rabbit short of full happiness; it earns nothing.
    for (const Case& c : {Case{0, 20}, Case{-2, 20}, Case{-10, 21}, Case{90, 11}}) {
        resetEverything();
        adoptRabbit();
        desktop.reports.clear();
        pet.happiness = c.happiness;
        randomSeed = seedDrawing(10, c.modulus);
        rollLabourReward();
        EXPECT_EQ(inventory.carrots, 2) << c.happiness;
        EXPECT_EQ(inventory.waterBottles, 2) << c.happiness;
    }
}

TEST_F(CareTest, ExtremeLoadedHappinessNeverBreaksTheRoll) {
    for (int32_t happiness : {200, 209, INT32_MIN, INT32_MAX}) {
        resetEverything();
        adoptRabbit();
        desktop.reports.clear();
        pet.happiness = happiness;
        rollLabourReward();
        EXPECT_EQ(desktop.reports.size(), 1u) << happiness;
    }
    // Happiness 200 to 209 leaves nothing to draw from, so the draw is always 0.
    resetEverything();
    adoptRabbit();
    pet.happiness = 205;
    rollLabourReward();
    EXPECT_EQ(inventory.carrots, 4);
}
