// The three settings kept in the save file; 1 means on.
#pragma once

#include <cstdint>

extern int32_t autoStart;
extern int32_t autoEat;
extern int32_t autoDrink;

void resetSettings();

// Feeding by itself may be switched only by a rabbit with more than 1000 points,
// more of them angel than devil.
bool feedingSettingsAllowed(int32_t devilPoints, int32_t angelPoints);
