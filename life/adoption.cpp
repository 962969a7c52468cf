// Adoption of a new rabbit.
#include "life/adoption.h"

#include <cstring>

#include "desktop/desktop.h"
#include "desktop/menu_timers.h"
#include "desktop/timers.h"
#include "rabbit/pet_record.h"

void adoptRabbit() {
    hasPet = 1;
    // "兔子" in code page 950 with its terminator; the bytes after it keep their contents.
    static const char defaultName[] = "\xA8\xDF\xA4\x6C";
    std::memcpy(pet.name, defaultName, sizeof defaultName);
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
    showReport("一隻可愛的兔寶寶誕生了!\n你可以在狀態欄裡給你兔子改個名字。", "領養新兔子");
}

void commandAdopt() {
    if (hasPet != 0 && !askYesNo("你決定領養一隻新兔子嗎?", "領養新兔子")) {
        return;
    }
    adoptRabbit();
    // A re-adoption restarts the clock for a fresh minute; a first adoption starts it,
    // so a newborn rabbit lives from the moment it is born.
    startTimer(TIMER_LIFE_CLOCK, LIFE_CLOCK_MS);
}
