// The one rabbit: its record, its stock and its grade points.
#pragma once

#include <cstdint>
#include <string>

constexpr int PET_NAME_BYTES = 20;

// Field order and widths are also the save file's.
struct PetRecord {
    char name[PET_NAME_BYTES]; // code page 950 text, zero-terminated
    int32_t ageMonths;
    int32_t foodMax;
    int32_t food;
    int32_t waterMax;
    int32_t water;
    int32_t staminaMax;
    int32_t stamina;
    int32_t health;
    int32_t happiness;
    int32_t fatigue;
};

// The reserved words are never read or changed; they are saved back as loaded.
struct Inventory {
    int32_t reserved0;
    int32_t carrots;
    int32_t reserved2;
    int32_t waterBottles;
};

struct GradePoints {
    int32_t devilPoints;
    int32_t angelPoints;
};

extern PetRecord pet;
extern Inventory inventory;
extern GradePoints gradePoints;
// 0 until the first adoption, then 1 for good, even after the rabbit dies.
extern int32_t hasPet;

void resetPetState();

// The rabbit's name as UTF-8, for the messages that show it.
std::string petNameUtf8();
