// The one random generator: a fixed-seed linear congruential sequence.
#pragma once

#include <cstdint>

extern uint32_t randomSeed;

void resetRandom();
// 0 ... 32767.
int32_t nextRandom();
