// The status dialog's texts for the rabbit's needs and age.
#include "rabbit/status_texts.h"

#include "language/texts.h"

namespace {
std::string outOf(int32_t value, int32_t most) {
    return std::to_string(value) + "/" + std::to_string(most);
}

std::string percent(int32_t value) {
    return std::to_string(value) + "%";
}
} // namespace

StatusTexts statusTexts(const PetRecord& record) {
    // Division and remainder both truncate toward zero, so a negative age reads "-1歲-3月".
    const std::string age =
        fillIn(TextId::AGE, {{"years", std::to_string(record.ageMonths / 12)},
                             {"months", std::to_string(record.ageMonths % 12)}});
    return {outOf(record.food, record.foodMax),
            outOf(record.water, record.waterMax),
            outOf(record.stamina, record.staminaMax),
            percent(record.health),
            percent(record.happiness),
            percent(record.fatigue),
            age};
}
