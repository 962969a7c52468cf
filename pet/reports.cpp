// The rabbit's messages, assembled around its name.
#include "pet/reports.h"

#include "pet/pet_record.h"

std::string yourRabbit(const char* phrase) {
    return "你的" + petNameUtf8() + phrase;
}
