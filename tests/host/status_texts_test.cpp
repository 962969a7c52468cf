// The status dialog's texts: plain signed decimals, and the age in years and months.
#include <climits>
#include <utility>

#include <gtest/gtest.h>

#include "rabbit/status_texts.h"

TEST(StatusTextsTest, NeedsReadAsValueOverMaximumOrAsPercent) {
    PetRecord record{};
    record.food = 80;
    record.foodMax = 100;
    record.water = -3;
    record.waterMax = 110;
    record.stamina = 0;
    record.staminaMax = 100;
    record.health = 100;
    record.happiness = -2;
    record.fatigue = 0;
    const StatusTexts texts = statusTexts(record);
    EXPECT_EQ(texts.food, "80/100");
    EXPECT_EQ(texts.water, "-3/110");
    EXPECT_EQ(texts.stamina, "0/100");
    EXPECT_EQ(texts.health, "100%");
    EXPECT_EQ(texts.happiness, "-2%");
    EXPECT_EQ(texts.fatigue, "0%");
    record.food = INT32_MIN;
    EXPECT_EQ(statusTexts(record).food, "-2147483648/100");
}

TEST(StatusTextsTest, AgeReadsAsYearsAndMonthsTruncatedTowardZero) {
    const std::pair<int32_t, const char*> ages[] = {
        {0, "0歲0月"},
        {11, "0歲11月"},
        {12, "1歲0月"},
        {15, "1歲3月"},
        {-3, "0歲-3月"},
        {-15, "-1歲-3月"},
        {INT32_MAX, "178956970歲7月"},
    };
    for (const auto& age : ages) {
        PetRecord record{};
        record.ageMonths = age.first;
        EXPECT_EQ(statusTexts(record).age, age.second) << age.first;
    }
}
