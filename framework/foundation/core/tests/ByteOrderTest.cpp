#include "framework/foundation/core/ByteOrder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace NSTramvell;
using Bytes = std::vector<std::uint8_t>;

constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kSmallest = std::numeric_limits<std::int32_t>::min();

TEST(ByteOrder, ReadersFoldBytesInTheirOrder)
{
    const struct
    {
        const char* call;
        std::int64_t actual;
        std::int64_t expected;
    } kCases[] = {
        {"LE16", ReadLittleEndian16(Bytes{0x34, 0x12}.data()), 0x1234},
        {"LE16 top bit", ReadLittleEndian16(Bytes{0x01, 0x80}.data()), 0x8001},
        {"LE24", ReadLittleEndian24(Bytes{0x56, 0x34, 0x12}.data()), 0x123456},
        {"LE24 FF", ReadLittleEndian24(Bytes{0xFF, 0xFF, 0xFF}.data()), 16777215},
        {"LE24S -1", ReadLittleEndian24Signed(Bytes{0xFF, 0xFF, 0xFF}.data()), -1},
        {"LE24S min", ReadLittleEndian24Signed(Bytes{0x00, 0x00, 0x80}.data()), -8388608},
        {"LE24S max", ReadLittleEndian24Signed(Bytes{0xFF, 0xFF, 0x7F}.data()), 8388607},
        {"LE32", ReadLittleEndian32(Bytes{0x78, 0x56, 0x34, 0x12}.data()), 0x12345678},
        {"LE32 top bit", ReadLittleEndian32(Bytes{0x01, 0x00, 0x00, 0x80}.data()), 0x80000001},
        {"BE16", ReadBigEndian16(Bytes{0x12, 0x34}.data()), 0x1234},
        {"BE16 top bit", ReadBigEndian16(Bytes{0x80, 0x01}.data()), 0x8001},
        {"BE24", ReadBigEndian24(Bytes{0x12, 0x34, 0x56}.data()), 0x123456},
        {"BE24 FF", ReadBigEndian24(Bytes{0xFF, 0xFF, 0xFF}.data()), 16777215},
        {"BE24S -1", ReadBigEndian24Signed(Bytes{0xFF, 0xFF, 0xFF}.data()), -1},
        {"BE24S min", ReadBigEndian24Signed(Bytes{0x80, 0x00, 0x00}.data()), -8388608},
        {"BE24S max", ReadBigEndian24Signed(Bytes{0x7F, 0xFF, 0xFF}.data()), 8388607},
        {"BE32", ReadBigEndian32(Bytes{0x12, 0x34, 0x56, 0x78}.data()), 0x12345678},
        {"BE32 top bit", ReadBigEndian32(Bytes{0x80, 0x00, 0x00, 0x01}.data()), 0x80000001},
        {"BEN 0", ReadBigEndianN(0, Bytes{0x12}.data()), 0},
        {"BEN 3", ReadBigEndianN(3, Bytes{0x12, 0x34, 0x56}.data()), 0x123456},
        {"LEN 0", ReadLittleEndianN(0, Bytes{0x12}.data()), 0},
        {"LEN 3", ReadLittleEndianN(3, Bytes{0x12, 0x34, 0x56}.data()), 0x563412},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.call);
        EXPECT_EQ(c.actual, c.expected);
    }
}

// Writers run over a buffer of 0xEE, so a byte written out of place, or one too many, shows.
template <typename Writer>
Bytes Written(std::size_t count, Writer write)
{
    Bytes buffer(count + 1, 0xEE);
    write(buffer.data());
    return buffer;
}

TEST(ByteOrder, WritersStoreExactlyTheirBytes)
{
    const struct
    {
        const char* call;
        Bytes actual;
        Bytes expected;
    } kCases[] = {
        {"LE16", Written(2, [](std::uint8_t* b) { WriteLittleEndian16(b, 0x1234); }), {0x34, 0x12, 0xEE}},
        {"LE24", Written(3, [](std::uint8_t* b) { WriteLittleEndian24(b, 0xAB123456); }), {0x56, 0x34, 0x12, 0xEE}},
        {"LE24S", Written(3, [](std::uint8_t* b) { WriteLittleEndian24Signed(b, -2); }), {0xFE, 0xFF, 0xFF, 0xEE}},
        {"LE32", Written(4, [](std::uint8_t* b) { WriteLittleEndian32(b, 0x12345678); }),
         {0x78, 0x56, 0x34, 0x12, 0xEE}},
        {"BE16", Written(2, [](std::uint8_t* b) { WriteBigEndian16(b, 0x1234); }), {0x12, 0x34, 0xEE}},
        {"BE24", Written(3, [](std::uint8_t* b) { WriteBigEndian24(b, 0xAB123456); }), {0x12, 0x34, 0x56, 0xEE}},
        {"BE24S", Written(3, [](std::uint8_t* b) { WriteBigEndian24Signed(b, -8388608); }), {0x80, 0x00, 0x00, 0xEE}},
        {"BE32", Written(4, [](std::uint8_t* b) { WriteBigEndian32(b, 0x12345678); }),
         {0x12, 0x34, 0x56, 0x78, 0xEE}},
        {"LEN", Written(3, [](std::uint8_t* b) { EXPECT_EQ(WriteLittleEndianN(0x12345678, 3, b), b + 3); }),
         {0x78, 0x56, 0x34, 0xEE}},
        {"swap16", Written(2, [](std::uint8_t* b) {
             WriteBigEndian16(b, 0x1234);
             EXPECT_EQ(SwapBytes16InPlace(b), b);
         }),
         {0x34, 0x12, 0xEE}},
        {"swap32", Written(4, [](std::uint8_t* b) {
             WriteBigEndian32(b, 0x12345678);
             EXPECT_EQ(SwapBytes32InPlace(b), b);
         }),
         {0x78, 0x56, 0x34, 0x12, 0xEE}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.call);
        EXPECT_EQ(c.actual, c.expected);
    }
}

TEST(ByteOrder, WholeValueHelpersSplitAndJoin)
{
    EXPECT_EQ(SwapBytes16(0x1234), 0x3412);
    EXPECT_EQ(SwapBytes32(0x12345678u), 0x78563412u);
    EXPECT_EQ(MakeLong(0x1234, 0xABCD), 0x1234ABCDu);
    EXPECT_EQ(LowWord(0x1234ABCDu), 0xABCD);
    EXPECT_EQ(HighWord(0x1234ABCDu), 0x1234);
    EXPECT_EQ(MakeWord(0x12, 0xAB), 0x12AB);
    EXPECT_EQ(LowByte(0x12345678u), 0x78);
    EXPECT_EQ(SecondByte(0x12345678u), 0x56);
    EXPECT_EQ(ThirdByte(0x12345678u), 0x34);
    EXPECT_EQ(HighByte(0x12345678u), 0x12);
    EXPECT_EQ(MakeLongFromBytes(0x80, 0x01, 0x02, 0x03), 0x80010203u);

    std::uint8_t b0 = 0, b1 = 0, b2 = 0, b3 = 0;
    SplitLong(0x80010203u, b0, b1, b2, b3);
    EXPECT_EQ((Bytes{b0, b1, b2, b3}), (Bytes{0x80, 0x01, 0x02, 0x03}));
    std::uint8_t high = 0, low = 0;
    SplitWord(0xA1B2, high, low);
    EXPECT_EQ((Bytes{high, low}), (Bytes{0xA1, 0xB2}));

    EXPECT_EQ(MakeInt64(-1, 0xFFFFFFFEu), -2);
    EXPECT_EQ(MakeInt64(1, 0x80000000u), 0x180000000LL);
    std::int32_t high32 = 0;
    std::uint32_t low32 = 0;
    SplitInt64(-2, high32, low32);
    EXPECT_EQ(high32, -1);
    EXPECT_EQ(low32, 0xFFFFFFFEu);

    std::uint16_t words[] = {0x1234, 0xABCD, 0x5566};
    EXPECT_EQ(SwapWordArray(words, 2), words + 2);
    EXPECT_EQ(words[0], 0x3412);
    EXPECT_EQ(words[1], 0xCDAB);
    EXPECT_EQ(words[2], 0x5566);

    EXPECT_EQ(BoolToByte(true), 1);
    EXPECT_EQ(BoolToByte(false), 0);
    EXPECT_TRUE(ByteToBool(0x80));
    EXPECT_FALSE(ByteToBool(0));
}

TEST(Nibbles, PackAndSplitInTheirOrders)
{
    EXPECT_EQ(HighNibble(0xA5), 0x0A);
    EXPECT_EQ(LowNibble(0xA5), 0x05);
    EXPECT_EQ(MakeByteFromNibbles(0x0A, 0x05), 0xA5);
    EXPECT_EQ(BcdToBinary(0x59), 59);

    const Bytes pairs = {0x1A, 0x2B, 0x03, 0xF4};
    Bytes packed(2);
    EXPECT_EQ(PackNibblePairs(pairs.data(), 2, packed.data()), pairs.data() + 4);
    EXPECT_EQ(packed, (Bytes{0xAB, 0x34}));

    Bytes unpacked(4);
    EXPECT_EQ(UnpackNibblePairs(unpacked.data(), 2, packed.data()), unpacked.data() + 4);
    EXPECT_EQ(unpacked, (Bytes{0x0A, 0x0B, 0x03, 0x04}));

    const Bytes source = {0x12, 0xAB};
    Bytes split(4);
    SplitNibblesLowFirst(split.data(), source.data(), 2);
    EXPECT_EQ(split, (Bytes{0x02, 0x01, 0x0B, 0x0A}));
    Bytes joined(2);
    JoinNibblesLowFirst(joined.data(), split.data(), 2);
    EXPECT_EQ(joined, source);

    SplitNibblesHighFirst(split.data(), source.data(), 2);
    EXPECT_EQ(split, (Bytes{0x01, 0x02, 0x0A, 0x0B}));
    joined.assign(2, 0);
    JoinNibblesHighFirst(joined.data(), split.data(), 2);
    EXPECT_EQ(joined, source);
}

TEST(Groups, SevenAndFourBitGroupsPutTheLowestBitsLast)
{
    std::uint32_t value = 0;
    const Bytes stored = {0x01, 0x7F};
    EXPECT_EQ(ReadSevenBitGroups(2, stored.data(), value), stored.data() + 2);
    EXPECT_EQ(value, 255u);

    Bytes written(3, 0xEE);
    EXPECT_EQ(WriteSevenBitGroups(255, 2, written.data()), written.data() + 2);
    EXPECT_EQ(written, (Bytes{0x01, 0x7F, 0xEE}));

    // The reader folds into what is there: callers clear the value.
    value = 1;
    ReadSevenBitGroups(1, stored.data(), value);
    EXPECT_EQ(value, 129u);

    Bytes nibbles(4);
    EXPECT_EQ(WriteFourBitGroups(0x1234, 4, nibbles.data()), nibbles.data() + 4);
    EXPECT_EQ(nibbles, (Bytes{0x01, 0x02, 0x03, 0x04}));
    value = 0;
    // Only the low four bits of each byte count.
    const Bytes dirtyNibbles = {0xF1, 0x02, 0x03, 0x04};
    EXPECT_EQ(ReadFourBitGroups(4, dirtyNibbles.data(), value), dirtyNibbles.data() + 4);
    EXPECT_EQ(value, 0x1234u);
}

TEST(SevenBitPacking, TopBitsGatherInTheEighthByte)
{
    const Bytes source = {0x80, 0x01, 0x02, 0x03, 0x04, 0x05, 0x81};
    Bytes packed(8);
    PackEightToSeven(packed.data(), source.data());
    EXPECT_EQ(packed, (Bytes{0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x01, 0x41}));

    const Bytes kSources[] = {
        source, Bytes(7, 0xFF), Bytes(7, 0x00), {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA}, {0, 0, 0, 0x80, 0, 0, 0}};
    for (const Bytes& original : kSources) {
        Bytes roundTrip(7, 0xEE);
        PackEightToSeven(packed.data(), original.data());
        for (std::uint8_t b : packed)
            EXPECT_LT(b, 0x80);
        UnpackSevenToEight(packed.data(), roundTrip.data());
        EXPECT_EQ(roundTrip, original);
    }
}

TEST(SevenBitPacking, BufferIsPackedInPaddedGroupsOfSeven)
{
    const struct
    {
        std::int32_t bytes;
        std::int32_t packed;
    } kSizes[] = {{0, 0}, {1, 8}, {7, 8}, {8, 16}, {14, 16}, {15, 24}, {-3, 0}};
    for (const auto& s : kSizes) {
        SCOPED_TRACE(s.bytes);
        EXPECT_EQ(PackedSevenBitSize(s.bytes), s.packed);
    }

    const Bytes source = {0x81, 1, 2, 3, 4, 5, 6, 0xFF};
    Bytes packed(17, 0xEE);
    PackBufferEightToSeven(packed.data(), source.data(), 8);
    EXPECT_EQ(packed, (Bytes{0x01, 1, 2, 3, 4, 5, 6, 0x40, 0x7F, 0, 0, 0, 0, 0, 0, 0x40, 0xEE}));

    Bytes untouched(8, 0xEE);
    PackBufferEightToSeven(untouched.data(), source.data(), 0);
    EXPECT_EQ(untouched, Bytes(8, 0xEE));
}

TEST(Bits, MasksAndCounts)
{
    EXPECT_EQ(BitMask(0), 1u);
    EXPECT_EQ(BitMask(31), 0x80000000u);
    EXPECT_EQ(BitMask(33), 2u);
    EXPECT_TRUE(TestBit(0x80000000u, 31));
    EXPECT_FALSE(TestBit(0x80000000u, 30));
    EXPECT_EQ(CountBits(0), 0);
    EXPECT_EQ(CountBits(0xFFFFFFFFu), 32);
    EXPECT_EQ(CountBits(0x80000101u), 3);
    EXPECT_EQ(CountBitsInRange(0xFFu, 4, 9), 4);
    EXPECT_EQ(CountBitsInRange(0xFFFFFFFFu, 0, 31), 32);
    EXPECT_EQ(CountBitsInRange(0xFFu, 5, 4), 0);
    EXPECT_TRUE(HasAtMostOneBit(0));
    EXPECT_TRUE(HasAtMostOneBit(0x80000000u));
    EXPECT_FALSE(HasAtMostOneBit(0x80000001u));
    EXPECT_EQ(MakeByteFromBits(true, false, false, false, false, true, false, true), 0x85);

    const Bytes flags = {1, 0, 0x80, 0, 0, 0, 0, 0, 0, 7};
    EXPECT_EQ(FlagsToMask(flags.data(), 10), 0x205u);
    EXPECT_EQ(FlagsToMask(flags.data(), 2), 0x1u);
    Bytes back(11, 0xEE);
    MaskToFlags(0x205u, back.data(), 10);
    EXPECT_EQ(back, (Bytes{1, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0xEE}));
}

TEST(Bits, ContainsByteSearchesBuffersLongerThanASixteenBitCount)
{
    Bytes buffer(70000, 0);
    buffer[69999] = 0x5A;
    EXPECT_TRUE(ContainsByte(buffer.data(), 70000, 0x5A));
    EXPECT_FALSE(ContainsByte(buffer.data(), 69999, 0x5A));
    EXPECT_FALSE(ContainsByte(buffer.data(), 70000, 0x01));
    EXPECT_FALSE(ContainsByte(buffer.data(), 0, 0x00));
}

TEST(Bits, ByteSumAndZeroFill)
{
    Bytes buffer(300, 0xFF);
    EXPECT_EQ(ByteSum(buffer.data(), 300), 300u * 255u);
    EXPECT_EQ(ByteSum(buffer.data(), 0), 0u);
    ZeroFill(buffer.data(), 299);
    EXPECT_EQ(ByteSum(buffer.data(), 300), 255u);
}

TEST(Extended80, KnownValuesHaveTheirExactBytesBothWays)
{
    const struct
    {
        double value;
        Bytes bytes;
    } kCases[] = {
        {44100.0, {0x40, 0x0E, 0xAC, 0x44, 0, 0, 0, 0, 0, 0}},
        {22050.0, {0x40, 0x0D, 0xAC, 0x44, 0, 0, 0, 0, 0, 0}},
        {48000.0, {0x40, 0x0E, 0xBB, 0x80, 0, 0, 0, 0, 0, 0}},
        {1.0, {0x3F, 0xFF, 0x80, 0, 0, 0, 0, 0, 0, 0}},
        {0.5, {0x3F, 0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0}},
        {-8000.0, {0xC0, 0x0B, 0xFA, 0x00, 0, 0, 0, 0, 0, 0}},
        {0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        // Just below a power of two, where a logarithm rounds up into the next exponent.
        {std::nextafter(8.0, 0.0), {0x40, 0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF8, 0x00}},
        {std::nextafter(1.0, 2.0), {0x3F, 0xFF, 0x80, 0, 0, 0, 0, 0, 0x08, 0x00}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.value);
        Bytes written(11, 0xEE);
        WriteExtended80(written.data(), c.value);
        Bytes expected = c.bytes;
        expected.push_back(0xEE);
        EXPECT_EQ(written, expected);
        EXPECT_EQ(ReadExtended80(c.bytes.data()), c.value);
    }
}

TEST(Extended80, ValuesRoundTripAcrossTheDoubleRange)
{
    const double kValues[] = {44100.0, 22050.0, 0.5, -8000.0, 1e-300, -1e300, 0.1, 3.0, 5e-324,
                              std::numeric_limits<double>::max(), std::nextafter(0.25, 0.0)};
    for (double value : kValues) {
        SCOPED_TRACE(value);
        std::uint8_t bytes[10];
        WriteExtended80(bytes, value);
        EXPECT_EQ(ReadExtended80(bytes), value);
    }
}

TEST(Extended80, IntegerConversions)
{
    std::uint8_t bytes[10];
    IntToExtended80(bytes, -8000);
    EXPECT_EQ(Bytes(bytes, bytes + 10), (Bytes{0xC0, 0x0B, 0xFA, 0x00, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Extended80ToInt64(bytes), -8000);

    // 2^40 + 0.5: truncation drops the half.
    WriteExtended80(bytes, 1099511627776.5);
    EXPECT_EQ(Extended80ToInt64(bytes), 1099511627776LL);

    // The largest exponent is read as a number, not as a special value.
    const Bytes huge = {0x7F, 0xFF, 0x80, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(std::isinf(ReadExtended80(huge.data())));
    EXPECT_EQ(Extended80ToInt64(huge.data()), std::numeric_limits<std::int64_t>::max());
}

TEST(FixedBuffers, CopyStringToBufferSkipsLineFeedsAndTerminates)
{
    Bytes buffer(6, 0xEE);
    CopyStringToBuffer(buffer.data(), 4, "a\nb");
    EXPECT_EQ(buffer, (Bytes{'a', 'b', 0, 0, 0, 0xEE}));

    buffer.assign(6, 0xEE);
    CopyStringToBuffer(buffer.data(), 2, "a\n\nbcd");
    EXPECT_EQ(buffer, (Bytes{'a', 'b', 0, 0xEE, 0xEE, 0xEE}));
}

TEST(FixedBuffers, StringsFromBuffersAndTexts)
{
    const Bytes stored = {'a', 0, 'b', 'c'};
    EXPECT_EQ(MakeStringFromBuffer(stored.data(), 3), std::string("a\0b", 3));
    EXPECT_EQ(MakeStringFromText("a\rb\r\nc"), "a\r\nb\r\n\nc");
    EXPECT_EQ(MakeString("abc"), "abc");
}

TEST(Arithmetic, IntegerHelpersGiveTheirValues)
{
    const struct
    {
        const char* call;
        std::int32_t actual;
        std::int32_t expected;
    } kCases[] = {
        {"Min", Min(-3, 2), -3},
        {"Max", Max(-3, 2), 2},
        {"Abs", Abs(-7), 7},
        {"Abs min", Abs(kSmallest), kSmallest},
        {"Clamp low wins", Clamp(5, 10, 0), 10},
        {"Clamp inside", Clamp(5, 0, 10), 5},
        {"Clamp above", Clamp(15, 0, 10), 10},
        {"Clamp below", Clamp(-1, 0, 10), 0},
        {"MulDiv saturates up", MulDiv(kLargest, 2, 1), kLargest},
        {"MulDiv saturates down", MulDiv(-2147483647, 3, 1), kSmallest},
        {"MulDiv wide product", MulDiv(100000, 300000, 1000000), 30000},
        {"MulDiv truncates", MulDiv(7, 3, -2), -10},
        {"MulDivRoundUp", MulDivRoundUp(5, 1, 2), 3},
        {"MulDivRoundUp negative", MulDivRoundUp(-5, 1, 2), -2},
        {"MulDivRoundUp both negative", MulDivRoundUp(-5, 1, -2), 3},
        {"MulDivRoundUp exact", MulDivRoundUp(6, 1, 2), 3},
        {"MulDivRoundUp saturates", MulDivRoundUp(kLargest, kLargest, 1), kLargest},
        {"MulDivRound", MulDivRound(7, 1, 4), 2},
        {"MulDivRound half", MulDivRound(5, 1, 2), 3},
        {"MulDivRound wraps", MulDivRound(65536, 65536, 1), 0},
        {"MulDivFloat", MulDivFloat(7, 3, 2), 10},
        {"MulDivFloat wide", MulDivFloat(100000, 300000, 1000000), 30000},
        {"MulDivFloatUp", MulDivFloatUp(7, 3, 2), 11},
        {"MulDivFloatUp exact", MulDivFloatUp(6, 3, 2), 9},
        {"RoundDown", RoundDownToMultiple(15, 10), 10},
        {"RoundDown negative", RoundDownToMultiple(-15, 10), -20},
        {"RoundDown exact", RoundDownToMultiple(-20, 10), -20},
        {"RoundUp", RoundUpToMultiple(15, 10), 20},
        {"RoundUp negative", RoundUpToMultiple(-15, 10), -10},
        {"RoundUp exact", RoundUpToMultiple(20, 10), 20},
        {"RoundNearest half up", RoundToNearestMultiple(15, 10), 20},
        {"RoundNearest half down", RoundToNearestMultiple(-15, 10), -20},
        {"RoundNearest below half", RoundToNearestMultiple(14, 10), 10},
        {"RoundNearest negative below half", RoundToNearestMultiple(-14, 10), -10},
        {"RoundNearest zero", RoundToNearestMultiple(0, 10), 0},
        {"DivRoundUp by zero", DivRoundUp(7, 0), 7},
        {"DivRoundUp", DivRoundUp(7, 2), 4},
        {"DivRoundUp exact", DivRoundUp(6, 2), 3},
        {"DivRoundUp negative", DivRoundUp(-7, 2), -3},
        {"DivRoundUp both negative", DivRoundUp(-7, -2), 4},
        {"DivRoundUp largest", DivRoundUp(kLargest, 2), 1073741824},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.call);
        EXPECT_EQ(c.actual, c.expected);
    }
}

TEST(Arithmetic, ToleranceOverlapAndInterpolation)
{
    EXPECT_TRUE(WithinTolerance(3, 5, 2));
    EXPECT_TRUE(WithinTolerance(5, 3, 2));
    EXPECT_FALSE(WithinTolerance(3, 6, 2));
    EXPECT_FALSE(WithinTolerance(kLargest, kSmallest, 5));

    EXPECT_TRUE(RangesOverlap(0, 10, 9, 20));
    EXPECT_FALSE(RangesOverlap(0, 10, 10, 20));
    EXPECT_FALSE(RangesOverlap(10, 20, 0, 10));
    EXPECT_TRUE(RangesOverlap(0, 100, 40, 50));

    EXPECT_DOUBLE_EQ(Interpolate(0.0f, 0.0f, 10.0f, 100.0f, 5.0f), 50.0);
    EXPECT_DOUBLE_EQ(Interpolate(2.0f, 10.0f, 4.0f, 0.0f, 5.0f), -5.0);
    EXPECT_DOUBLE_EQ(Interpolate(3.0f, 1.0f, 3.0f, 7.0f, 100.0f), 7.0);
}

} // namespace
