// The one random generator: every run draws the same sequence.
#include "rabbit/random.h"

uint32_t randomSeed = 1;

void resetRandom() {
    randomSeed = 1;
}

int32_t nextRandom() {
    randomSeed = randomSeed * 214013u + 2531011u;
    return static_cast<int32_t>((randomSeed >> 16) & 32767u);
}
