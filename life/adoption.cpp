// Adoption of a new rabbit.
#include "life/adoption.h"

#include <algorithm>
#include <cstring>

#include "desktop/desktop.h"
#include "desktop/menu_timers.h"
#include "desktop/timers.h"
#include "language/texts.h"
#include "rabbit/pet_record.h"

void adoptRabbit() {
    hasPet = 1;
    // The language's name for a rabbit with its terminator; the bytes after it keep their
    // contents.
    const std::string defaultName = utf8ToBig5(text(TextId::DEFAULT_NAME));
    const std::size_t length = std::min(defaultName.size(), sizeof pet.name - 1);
    std::memcpy(pet.name, defaultName.data(), length);
    pet.name[length] = '\0';
    pet.foodMax = pet.waterMax = pet.stamina = pet.staminaMax = pet.health = pet.happiness = 100;
    pet.ageMonths = 0;
    pet.food = 80;
    pet.water = 80;
    pet.fatigue = 0;
    inventory.carrots = 2;
    inventory.waterBottles = 2;
    gradePoints.angelPoints = 0;
    gradePoints.devilPoints = 0;
    setCareMenuState(CARE_MENU_ENABLED);
    saveState();
    showReport(text(TextId::BORN), text(TextId::ADOPT_CAPTION));
}

void commandAdopt() {
    if (hasPet != 0 && !askYesNo(text(TextId::ADOPT_AGAIN), text(TextId::ADOPT_CAPTION))) {
        return;
    }
    adoptRabbit();
    // A re-adoption restarts the clock for a fresh minute; a first adoption starts it,
    // so a newborn rabbit lives from the moment it is born.
    startTimer(TIMER_LIFE_CLOCK, LIFE_CLOCK_MS);
}
