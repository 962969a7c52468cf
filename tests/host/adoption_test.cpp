// Adoption of a first rabbit and of a new one, and what adoption leaves alone.
#include <cstring>

#include "fake_desktop.h"

#include "desktop/running_state.h"
#include "desktop/timers.h"
#include "life/adoption.h"
#include "life/life_clock.h"
#include "rabbit/pet_record.h"
#include "rabbit/settings.h"

namespace {
const char birthText[] = "一隻可愛的兔寶寶誕生了!\n你可以在狀態欄裡給你兔子改個名字。";

bool careMenuEnabled() {
    for (int position = 3; position <= 8; ++position) {
        if (!desktop.menuEnabled[position]) {
            return false;
        }
    }
    return true;
}
} // namespace

using AdoptionTest = CoreTest;

TEST_F(AdoptionTest, AFirstRabbitIsBornWithoutAQuestion) {
    commandAdopt();
    EXPECT_TRUE(desktop.questions.empty());
    EXPECT_EQ(hasPet, 1);
    EXPECT_EQ(petNameUtf8(), "兔子");
    EXPECT_EQ(pet.ageMonths, 0);
    EXPECT_EQ(pet.foodMax, 100);
    EXPECT_EQ(pet.food, 80);
    EXPECT_EQ(pet.waterMax, 100);
    EXPECT_EQ(pet.water, 80);
    EXPECT_EQ(pet.staminaMax, 100);
    EXPECT_EQ(pet.stamina, 100);
    EXPECT_EQ(pet.health, 100);
    EXPECT_EQ(pet.happiness, 100);
    EXPECT_EQ(pet.fatigue, 0);
    EXPECT_EQ(inventory.carrots, 2);
    EXPECT_EQ(inventory.waterBottles, 2);
    EXPECT_EQ(gradePoints.devilPoints, 0);
    EXPECT_EQ(gradePoints.angelPoints, 0);
    EXPECT_TRUE(careMenuEnabled());
    ASSERT_EQ(desktop.reports.size(), 1u);
    EXPECT_EQ(desktop.reports[0].text, birthText);
    EXPECT_EQ(desktop.reports[0].caption, "領養新兔子");
    // A newborn rabbit lives from the moment it is born.
    EXPECT_EQ(desktop.interval(TIMER_LIFE_CLOCK), 60000);
}

TEST_F(AdoptionTest, TheStateIsSavedBeforeTheBirthIsReported) {
    std::size_t savesWhenReported = 0;
    desktop.whileReportOpen = [&](const FakeReport&) { savesWhenReported = desktop.saves.size(); };
    commandAdopt();
    ASSERT_EQ(desktop.saves.size(), 1u);
    EXPECT_EQ(savesWhenReported, 1u);
    EXPECT_EQ(desktop.saves[0][20], 1); // hasPet
    EXPECT_EQ(desktop.saves[0][88], 2); // carrots
}

TEST_F(AdoptionTest, ReAdoptionAnsweredNoChangesNothing) {
    commandAdopt();
    pet.food = 7;
    inventory.carrots = 40;
    desktop.advance(30000);
    desktop.answerYes = false;
    const auto savesBefore = desktop.saves.size();
    commandAdopt();
    ASSERT_EQ(desktop.questions.size(), 1u);
    EXPECT_EQ(desktop.questions[0], "領養新兔子: 你決定領養一隻新兔子嗎?");
    EXPECT_EQ(pet.food, 7);
    EXPECT_EQ(inventory.carrots, 40);
    EXPECT_EQ(desktop.saves.size(), savesBefore);
    // The life clock keeps its period: it fires 30 s later, not 60.
    const long long tickAt = desktop.timers.at(TIMER_LIFE_CLOCK).due;
    EXPECT_EQ(tickAt, 60000);
}

TEST_F(AdoptionTest, ReAdoptionAnsweredYesReplacesTheRabbitAndRestartsTheClock) {
    commandAdopt();
    std::memcpy(pet.name, "Bun\0zzzzzz", 10);
    inventory = {111, 50, 222, 60};
    gradePoints = {300, 400};
    pet.food = -2;
    autoStart = 1;
    autoEat = 1;
    posX = 12;
    posY = 34;
    desktop.advance(30000);
    commandAdopt();
    EXPECT_EQ(petNameUtf8(), "兔子");
    EXPECT_EQ(std::memcmp(pet.name + 5, "zzzzz", 5), 0); // bytes after the terminator stay
    EXPECT_EQ(inventory.carrots, 2);
    EXPECT_EQ(inventory.waterBottles, 2);
    EXPECT_EQ(inventory.reserved0, 111);
    EXPECT_EQ(inventory.reserved2, 222);
    EXPECT_EQ(gradePoints.devilPoints, 0);
    EXPECT_EQ(gradePoints.angelPoints, 0);
    EXPECT_EQ(pet.food, 80);
    EXPECT_EQ(autoStart, 1);
    EXPECT_EQ(autoEat, 1);
    EXPECT_EQ(posX, 12);
    EXPECT_EQ(posY, 34);
    EXPECT_EQ(desktop.timers.at(TIMER_LIFE_CLOCK).due, 30000 + 60000);
}

TEST_F(AdoptionTest, AdoptingWhileAsleepEnablesTheMenuButTheSleepGoesOn) {
    commandAdopt();
    sleeping = 1;
    for (int position = 3; position <= 8; ++position) {
        desktop.menuEnabled[position] = false;
    }
    commandAdopt();
    EXPECT_TRUE(careMenuEnabled());
    EXPECT_EQ(sleeping, 1);
}

TEST_F(AdoptionTest, TheLifeClockCountersSurviveAdoption) {
    commandAdopt();
    lifeTickCounter = 1;
    monthTickCounter = 7;
    commandAdopt();
    EXPECT_EQ(lifeTickCounter, 1);
    EXPECT_EQ(monthTickCounter, 7);
}
