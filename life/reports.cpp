// The rabbit's messages, assembled around its name.
#include "life/reports.h"

#include "rabbit/pet_record.h"

std::string yourRabbit(const char* phrase) {
    return "你的" + petNameUtf8() + phrase;
}
