// The care activities: eating, drinking, labour and sleep, each a two-frame sequence
// that books its effect at the end.
#pragma once

#include <cstdint>

extern int32_t workFrameInterval;

extern int32_t eatPhase;
extern int32_t eatLoops;
extern int32_t drinkPhase;
extern int32_t drinkLoops;
extern int32_t labourPhase;
extern int32_t labourLoops;
extern int32_t sleepPhase;
extern int32_t sleepLoops;

void resetCareSequences();

void commandEat();    // "吃"
void commandDrink();  // "喝"
void commandLabour(); // "勞動(&W)"
void commandSleep();  // "睡覺(&S)"

void stepEat();
void stepDrink();
void stepLabour();
void stepSleep();
void rollLabourReward();
