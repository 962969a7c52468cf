// The grade at every boundary of its table, and the feeding rule that shares its points.
#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "rabbit/grade.h"
#include "rabbit/settings.h"

namespace {
struct GradeCase {
    int32_t devil;
    int32_t angel;
    const char* text;
    int bitmapId;
};

const char angel[] = "兔子被培育成天使兔";
const char devil[] = "兔子被培育成魔鬼兔";
const char baby[] = "現在是兔寶寶，細心照料哦";
const char good[] = "兔子得到細心照料﹐很乖巧";
const char hungry[] = "兔子吃不飽，不時去流浪";
const char cared[] = "兔子得到主人的細心照料";
const char sad[] = "照顧不周﹐兔子很悲傷";
} // namespace

TEST(GradeTest, EachLevelAndLeadHasItsTextAndPicture) {
    const GradeCase cases[] = {
        {0, 0, baby, 186},
        {99, 0, baby, 186},
        {0, 99, baby, 186},
        {50, 50, hungry, 180},
        {100, 0, hungry, 180},
        {0, 100, good, 178},
        {399, 0, hungry, 180},
        {0, 399, good, 178},
        {400, 0, sad, 181},
        {0, 400, cared, 183},
        {200, 200, sad, 181},
        {100, 899, cared, 183},
        {999, 0, sad, 181},
        {400, 600, angel, 184},
        {1000, 0, devil, 167},
        {600, 600, devil, 167},
        {0, 50000, angel, 184},
        // A negative sum from a tampered file reads as a finished grade, and a negative
        // count as a huge one.
        {-500, 0, devil, 167},
        {-600, 100, devil, 167},
        {0, -100, angel, 184},
        {-100, -100, devil, 167},
        // Sums past the 32-bit range wrap.
        {INT32_MAX, 1, devil, 167},
        {INT32_MAX, INT32_MAX, baby, 186},
    };
    for (const GradeCase& c : cases) {
        const Grade grade = gradeFor(c.devil, c.angel);
        EXPECT_EQ(std::string(grade.text), c.text) << c.devil << "/" << c.angel;
        EXPECT_EQ(grade.bitmapId, c.bitmapId) << c.devil << "/" << c.angel;
    }
}

TEST(FeedingRuleTest, NeedsMoreThan1000PointsWithMoreAngelThanDevil) {
    EXPECT_FALSE(feedingSettingsAllowed(400, 600));
    EXPECT_TRUE(feedingSettingsAllowed(400, 601));
    EXPECT_FALSE(feedingSettingsAllowed(600, 600));
    EXPECT_FALSE(feedingSettingsAllowed(501, 500));
    EXPECT_TRUE(feedingSettingsAllowed(0, 1001));
    EXPECT_FALSE(feedingSettingsAllowed(0, 0));
    EXPECT_FALSE(feedingSettingsAllowed(INT32_MAX, INT32_MAX));
    EXPECT_FALSE(feedingSettingsAllowed(-5000, 2000));
}
