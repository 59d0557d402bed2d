#include "framework/foundation/platform/Random.h"

#include <gtest/gtest.h>

#include <set>

using namespace NSTramvell;

namespace {

TEST(Random, PinnedSeedGivesTheSequence)
{
    NSRandomInternal::SetRandomState(1);
    EXPECT_EQ(Random(), 1103947680u);
    EXPECT_EQ(Random(), 1372837771u);
    EXPECT_EQ(Random(), 290041650u);
}

TEST(RandomInRange, EqualBoundsDoNotStepTheGenerator)
{
    NSRandomInternal::SetRandomState(1);
    EXPECT_EQ(RandomInRange(5, 5), 5);
    EXPECT_EQ(Random(), 1103947680u);
}

TEST(RandomInRange, ScalesTheLowThirtyBits)
{
    NSRandomInternal::SetRandomState(12345);   // steps to 2044445496, low 30 bits 970703672
    EXPECT_EQ(RandomInRange(0, 9), 9);
    NSRandomInternal::SetRandomState(12345);
    EXPECT_EQ(RandomInRange(-100, -91), -91);
}

TEST(RandomInRange, StaysWithinTheBounds)
{
    NSRandomInternal::SetRandomState(7);
    std::set<int> seen;
    for (int i = 0; i < 1000; ++i) {
        const int value = RandomInRange(0, 9);
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 9);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 10u);
}

} // namespace
