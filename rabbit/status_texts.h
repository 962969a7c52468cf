// The texts the status dialog shows for the rabbit's needs and age.
#pragma once

#include <string>

#include "rabbit/pet_record.h"

struct StatusTexts {
    std::string food;      // "80/100"
    std::string water;     // "80/100"
    std::string stamina;   // "100/100"
    std::string health;    // "100%"
    std::string happiness; // "100%"
    std::string fatigue;   // "0%"
    std::string age;       // "1歲3月"
};

StatusTexts statusTexts(const PetRecord& record);
