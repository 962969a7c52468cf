// The three settings kept in the save file.
#include "rabbit/settings.h"

int32_t autoStart;
int32_t autoEat;
int32_t autoDrink;

void resetSettings() {
    autoStart = 0;
    autoEat = 0;
    autoDrink = 0;
}

bool feedingSettingsAllowed(int32_t devilPoints, int32_t angelPoints) {
    // Summed as the file holds them, so huge counters wrap rather than overflow.
    const int32_t sum = static_cast<int32_t>(static_cast<uint32_t>(devilPoints) +
                                             static_cast<uint32_t>(angelPoints));
    return sum > 1000 && angelPoints > devilPoints;
}
