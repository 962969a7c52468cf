// The rabbit's metabolism and calendar, one tick a minute.
#pragma once

#include <cstdint>

extern int32_t lifeTickCounter;  // ticks since the last needs step
extern int32_t monthTickCounter; // ticks since the last month was added

void resetLifeClock();

void lifeClockTick();
