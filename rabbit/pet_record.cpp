// The rabbit's record.
#include "rabbit/pet_record.h"

#include <cstring>

#include "desktop/desktop.h"

PetRecord pet;
Inventory inventory;
GradePoints gradePoints;
int32_t hasPet;

void resetPetState() {
    pet = PetRecord{};
    inventory = Inventory{};
    gradePoints = GradePoints{};
    hasPet = 0;
}

std::string petNameUtf8() {
    // A loaded name always holds a zero byte; stop at the field's end regardless.
    return big5ToUtf8(pet.name, strnlen(pet.name, PET_NAME_BYTES));
}
