// The care commands and what each activity books, reports and rewards at its end.
#include "life/care.h"

#include <algorithm>
#include <string>

#include "animation/idle_animations.h"
#include "desktop/desktop.h"
#include "desktop/menu_timers.h"
#include "desktop/running_state.h"
#include "desktop/timers.h"
#include "language/texts.h"
#include "life/care_sequence.h"
#include "life/reports.h"
#include "rabbit/pet_record.h"
#include "rabbit/random.h"
#include "rabbit/wrap32.h"

int32_t workFrameInterval = 150;

int32_t eatPhase = 1;
int32_t eatLoops;
int32_t drinkPhase = 1;
int32_t drinkLoops;
int32_t labourPhase = 1;
int32_t labourLoops;
int32_t sleepPhase = 71;
int32_t sleepLoops;

namespace {
constexpr int32_t PORTION = 10;
constexpr int32_t MOST_HAPPINESS = 100;
constexpr int32_t MOST_FATIGUE = 100;
// A labour that ends with less strength than this leaves the rabbit exhausted.
constexpr int32_t LABOUR_STAMINA = 20;
constexpr int32_t LIGHT_LABOUR_FATIGUE = 40;

struct LabourReward {
    int32_t highestRoll;
    TextId phrase;
    int32_t carrots;
    int32_t waterBottles;
};

const LabourReward labourRewards[] = {
    {0, TextId::REWARD_TWO_CARROTS, 2, 0},  {3, TextId::REWARD_ONE_CARROT, 1, 0},
    {4, TextId::REWARD_TWO_BOTTLES, 0, 2},  {7, TextId::REWARD_ONE_BOTTLE, 0, 1},
    {INT32_MAX, TextId::REWARD_NONE, 0, 0},
};

void raiseHappiness(int32_t amount) {
    pet.happiness = std::min(wrapAdd(pet.happiness, amount), MOST_HAPPINESS);
}

// Eating and drinking: refused when the need is full or the stock empty; the portion
// is taken from the stock only when the sequence ends.
void offerRefill(int32_t level, int32_t levelMax, int32_t stock, int timerId,
                 const std::string& notNeeded, const std::string& noStock) {
    if (level == levelMax) {
        showReport(notNeeded, text(TextId::FEED_CAPTION));
    } else if (stock > 0) {
        leaveFreeMode();
        startTimer(timerId, ANIM_FRAME_MS);
    } else {
        showReport(noStock, text(TextId::FEED_CAPTION));
    }
}

struct RefillReport {
    std::string text;
    const char* caption;
    int32_t joy; // added once the report is closed
};

// The stock is taken without a fresh check: a count that self-feeding emptied in the
// meantime goes below zero, which every test of a stock reads as empty.
void endRefill(int32_t& stock, int32_t& level, int32_t levelMax, const RefillReport& filledUp,
               const RefillReport& portion) {
    stock = wrapSub(stock, 1);
    const int32_t next = wrapAdd(level, PORTION);
    const bool fills = next > levelMax;
    level = fills ? levelMax : next;
    const RefillReport& report = fills ? filledUp : portion;
    showReport(report.text, report.caption);
    raiseHappiness(report.joy);
    stepBlink();
}

void endMeal() {
    endRefill(inventory.carrots, pet.food, pet.foodMax,
              {aboutRabbit(TextId::ATE_FILL), text(TextId::ATE_FILL_CAPTION), 3},
              {aboutRabbit(TextId::ATE_HAPPILY), text(TextId::ATE_CAPTION), 4});
}

void endDrink() {
    endRefill(inventory.waterBottles, pet.water, pet.waterMax,
              {aboutRabbit(TextId::DRANK_FILL), text(TextId::DRANK_CAPTION), 2},
              {aboutRabbit(TextId::DRANK_HAPPILY), text(TextId::DRANK_CAPTION), 3});
}

// What a tired rabbit loses in happiness for working on.
int32_t weariness() {
    return 4 * (pet.fatigue / 10);
}

void endLabour() {
    pet.fatigue = std::min(wrapAdd(pet.fatigue, 10), MOST_FATIGUE);
    if (pet.stamina < LABOUR_STAMINA) {
        pet.stamina = 0;
        showReport(aboutRabbit(TextId::EXHAUSTED), text(TextId::EXHAUSTED_CAPTION));
        pet.happiness = std::max(wrapSub(pet.happiness, weariness()), 0);
    } else {
        pet.stamina = wrapSub(pet.stamina, 10 + pet.fatigue / 10);
        if (pet.fatigue <= LIGHT_LABOUR_FATIGUE) {
            rollLabourReward();
            // The one deduction without a floor: a sad rabbit's happiness goes negative.
            pet.happiness = wrapSub(pet.happiness, 3);
        } else {
            const int32_t happinessLeft = wrapSub(pet.happiness, weariness());
            if (happinessLeft >= 0) {
                pet.happiness = happinessLeft;
                rollLabourReward();
            } else {
                pet.happiness = 0;
                showReport(aboutRabbit(TextId::TOO_TIRED), text(TextId::TOO_TIRED_CAPTION));
            }
        }
    }
    stepBlink();
}

void wakeUp() {
    pet.fatigue = 0;
    pet.stamina = pet.staminaMax;
    stepBlink();
    setCareMenuState(CARE_MENU_ENABLED);
    sleeping = 0;
}
} // namespace

void resetCareSequences() {
    workFrameInterval = 150;
    eatPhase = 1;
    eatLoops = 0;
    drinkPhase = 1;
    drinkLoops = 0;
    labourPhase = 1;
    labourLoops = 0;
    sleepPhase = 71;
    sleepLoops = 0;
}

void commandEat() {
    offerRefill(pet.food, pet.foodMax, inventory.carrots, TIMER_EAT, aboutRabbit(TextId::FOOD_FULL),
                aboutRabbit(TextId::NO_CARROTS));
}

void commandDrink() {
    offerRefill(pet.water, pet.waterMax, inventory.waterBottles, TIMER_DRINK,
                aboutRabbit(TextId::WATER_FULL), text(TextId::NO_WATER));
}

void commandLabour() {
    if (pet.stamina <= 0) {
        showReport(aboutRabbit(TextId::LABOUR_REFUSED), text(TextId::LABOUR_CAPTION));
        return;
    }
    leaveFreeMode();
    startTimer(TIMER_LABOUR, workFrameInterval);
}

void commandSleep() {
    if (freeMode != 0) {
        leaveFreeMode();
    }
    sleeping = 1;
    setCareMenuState(CARE_MENU_GREYED);
    stepSleep();
}

void stepEat() {
    stepCareSequence({TIMER_EAT,
                      eatPhase,
                      eatLoops,
                      1,
                      {{21, 139, ANIM_FRAME_MS}, {22, 141, ANIM_FRAME_MS}},
                      6,
                      endMeal});
}

// Only the first step comes at the command's 150 ms; every later one 300 ms apart.
void stepDrink() {
    stepCareSequence({TIMER_DRINK,
                      drinkPhase,
                      drinkLoops,
                      1,
                      {{31, 142, 2 * workFrameInterval}, {32, 143, 2 * workFrameInterval}},
                      4,
                      endDrink});
}

void stepLabour() {
    stepCareSequence({TIMER_LABOUR,
                      labourPhase,
                      labourLoops,
                      1,
                      {{41, 144, workFrameInterval}, {42, 145, 2 * workFrameInterval}},
                      6,
                      endLabour});
}

// The 21st showing of the second picture wakes the rabbit, 50.5 s after it lay down.
void stepSleep() {
    stepCareSequence(
        {TIMER_SLEEP, sleepPhase, sleepLoops, 71, {{71, 153, 500}, {72, 154, 2000}}, 21, wakeUp});
}

void rollLabourReward() {
    int32_t modulus = wrapSub(100, pet.happiness) / 10 + 10;
    // A loaded happiness of 200 to 209 gives a modulus of 0; like its neighbours on
    // either side it then always draws 0.
    if (modulus == 0) {
        modulus = 1;
    }
    const int32_t roll = nextRandom() % modulus;
    for (const LabourReward& reward : labourRewards) {
        if (roll <= reward.highestRoll) {
            showReport(aboutRabbit(reward.phrase), text(TextId::LABOUR_CAPTION));
            inventory.carrots = wrapAdd(inventory.carrots, reward.carrots);
            inventory.waterBottles = wrapAdd(inventory.waterBottles, reward.waterBottles);
            return;
        }
    }
}
