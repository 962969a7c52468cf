// The fixed sequence every run draws.
#include "fake_desktop.h"

#include "rabbit/random.h"

using RandomTest = CoreTest;

TEST_F(RandomTest, AFreshStartDrawsTheSameValues) {
    for (int32_t expected : {41, 18467, 6334, 26500, 19169}) {
        EXPECT_EQ(nextRandom(), expected);
    }
}

TEST_F(RandomTest, ValuesStayWithinFifteenBits) {
    for (int i = 0; i < 100000; ++i) {
        const int32_t value = nextRandom();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
    }
}
