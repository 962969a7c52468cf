// The rabbit's metabolism and calendar: a needs step every second tick, a month every
// tenth, a birthday every twelfth month, and an idle animation on every tick.
#include "life/life_clock.h"

#include <string>

#include "animation/idle_animations.h"
#include "desktop/desktop.h"
#include "desktop/menu_timers.h"
#include "desktop/running_state.h"
#include "language/texts.h"
#include "life/reports.h"
#include "rabbit/pet_record.h"
#include "rabbit/random.h"
#include "rabbit/settings.h"
#include "rabbit/wrap32.h"

int32_t lifeTickCounter;
int32_t monthTickCounter;

namespace {
constexpr int32_t TICKS_PER_NEEDS_STEP = 2;
constexpr int32_t TICKS_PER_MONTH = 10;
constexpr int32_t MONTHS_PER_YEAR = 12;
constexpr int32_t POINTS_CAP = 50000;
constexpr int32_t HAPPY_ENOUGH_FOR_ANGEL = 51;
// A need at this level or below is eaten from the stock or warned about.
constexpr int32_t LOW_NEED = 29;

// Ticks keep coming under a modal box, so an unattended rabbit would stack a new
// report on the open one every minute or two; while one of the clock's reports is
// open, later ticks make their changes without a word.
bool reportOpen;

void report(const std::string& text, const char* caption) {
    if (reportOpen) {
        return;
    }
    reportOpen = true;
    showReport(text, caption);
    reportOpen = false;
}

void earnGradePoint() {
    int32_t& points =
        pet.happiness >= HAPPY_ENOUGH_FOR_ANGEL ? gradePoints.angelPoints : gradePoints.devilPoints;
    if (points < POINTS_CAP) {
        points += 1;
    }
}

void declareDeath() {
    setCareMenuState(CARE_MENU_GREYED);
    report(aboutRabbit(TextId::DIED), text(TextId::DIED_CAPTION));
    stopAnimationTimers();
}

struct Need {
    int32_t& level;
    int32_t& stock;
    int32_t selfFeeding; // only exactly 1 lets the rabbit help itself
    TextId warning;
    TextId caption;
};

void drainNeed(const Need& need) {
    if (need.level > LOW_NEED) {
        need.level -= 4;
    } else if (need.stock > 0 && need.selfFeeding == 1) {
        need.level += 6;
        need.stock -= 1;
    } else {
        need.level -= 4;
        report(aboutRabbit(need.warning), text(need.caption));
    }
}

void needsStep() {
    earnGradePoint();
    if (pet.food <= 0 || pet.water <= 0) {
        declareDeath();
    } else {
        drainNeed({pet.food, inventory.carrots, autoEat, TextId::HUNGRY, TextId::HUNGRY_CAPTION});
        drainNeed({pet.water, inventory.waterBottles, autoDrink, TextId::THIRSTY,
                   TextId::THIRSTY_CAPTION});
    }
    // Reset only now: a tick under one of the reports above runs a needs step as well.
    lifeTickCounter = 0;
}

void addMonth() {
    // The file written here still holds the age of the month just ended.
    saveState();
    pet.ageMonths = wrapAdd(pet.ageMonths, 1);
    monthTickCounter = 0;
    if (pet.ageMonths % MONTHS_PER_YEAR != 0) {
        return;
    }
    pet.foodMax = wrapAdd(pet.foodMax, 10);
    pet.waterMax = wrapAdd(pet.waterMax, 10);
    pet.staminaMax = wrapAdd(pet.staminaMax, 10);
    report(aboutRabbit(TextId::BIRTHDAY), text(TextId::BIRTHDAY_CAPTION));
}

void startIdleAnimation() {
    if (sleeping != 0 || freeMode != 0) {
        return;
    }
    if (nextRandom() % 2 == 0) {
        stepStretch();
    } else {
        stepBlink();
    }
}
} // namespace

void resetLifeClock() {
    lifeTickCounter = 0;
    monthTickCounter = 0;
    reportOpen = false;
}

void lifeClockTick() {
    lifeTickCounter += 1;
    if (lifeTickCounter >= TICKS_PER_NEEDS_STEP) {
        needsStep();
    }
    monthTickCounter += 1;
    if (monthTickCounter >= TICKS_PER_MONTH) {
        addMonth();
    }
    // Also on the tick that declared death, and alongside any care activity.
    startIdleAnimation();
}
