#include "framework/foundation/platform/Int64.h"

#include "framework/foundation/platform/Random.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

using namespace NSTramvell;

namespace {

TEST(CInt64, ComparesHighWordSignedThenLowWordUnsigned)
{
    const CInt64 minusOne(0xFFFFFFFFu, -1);
    const CInt64 zero;
    const CInt64 bigLow(0x80000000u, 0);    // 2^31: larger than 1, whatever the low word's top bit says
    const CInt64 one(1, 0);
    const CInt64 twoToThe32(0, 1);
    const struct { CInt64 a; CInt64 b; bool less; } kCases[] = {
        {minusOne, zero, true},  {zero, minusOne, false},   {one, bigLow, true},
        {bigLow, twoToThe32, true}, {twoToThe32, bigLow, false}, {one, one, false}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.a.GetHigh() << ":" << c.a.GetLow() << " vs "
                                        << c.b.GetHigh() << ":" << c.b.GetLow());
        const bool equal = c.a.GetLow() == c.b.GetLow() && c.a.GetHigh() == c.b.GetHigh();
        EXPECT_EQ(c.a < c.b, c.less);
        EXPECT_EQ(c.a >= c.b, !c.less);
        EXPECT_EQ(c.b > c.a, c.less);
        EXPECT_EQ(c.a <= c.b, c.less || equal);
        EXPECT_EQ(c.a == c.b, equal);
    }
}

TEST(CInt64, StoresHighWordThenLowWordBigEndian)
{
    const CInt64 value(1, 1);   // 2^32 + 1
    std::array<std::uint8_t, 8> stored{};
    value.WriteBigEndian(stored.data());
    EXPECT_EQ(stored, (std::array<std::uint8_t, 8>{0, 0, 0, 1, 0, 0, 0, 1}));

    const std::array<std::uint8_t, 8> negative = {0xFF, 0xFF, 0xFF, 0xFE, 0x12, 0x34, 0x56, 0x78};
    CInt64 read;
    read.ReadBigEndian(negative.data());
    EXPECT_EQ(read.GetHigh(), -2);
    EXPECT_EQ(read.GetLow(), 0x12345678u);
}

TEST(CInt64, SetAndGetCopyBothWords)
{
    CInt64 value;
    value.Set(0xDEADBEEFu, -7);
    CInt64 copy(1, 2);
    value.Get(copy);
    EXPECT_EQ(copy, CInt64(0xDEADBEEFu, -7));
}

TEST(StepRandomState, FollowsTheLinearCongruence)
{
    std::uint32_t state = 1;
    for (const std::uint32_t expected : {1103947680u, 1372837771u, 290041650u}) {
        state = StepRandomState(state);
        EXPECT_EQ(state, expected);
    }
}

TEST(ScaleSaturated, ScalesWithSixtyFourBitsAndSaturates)
{
    const struct { int a; int b; int c; int result; } kCases[] = {
        {2147483647, 4, 2, 2147483647}, {-2147483647, 4, 2, -2147483647 - 1},
        {1000000, 3000, 1000, 3000000}, {10, 3, 4, 7}, {-10, 3, 4, -7}, {1073741823, 10, 1073741824, 9}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.a << " * " << c.b << " / " << c.c);
        EXPECT_EQ(ScaleSaturated(c.a, c.b, c.c), c.result);
    }
}

} // namespace
