#include "framework/foundation/records/BitVector.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace NSTramvell;

namespace {

using TBytes = std::vector<std::uint8_t>;

const TBytes kHeader = {0x53, 0x42, 0x4F, 0x79, 0xBC, 0x01, 0x00, 0x00, 0x00};

TBytes Stored(const std::vector<bool>& vector)
{
    COwnedMemoryMedia media;
    WriteBitVector(media, vector);
    return TBytes(media.GetBuffer(), media.GetBuffer() + media.GetSize());
}

TBytes Concatenated(TBytes first, const TBytes& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::vector<bool> ReadFrom(const TBytes& bytes, std::vector<bool> vector)
{
    COwnedMemoryMedia media(static_cast<std::int32_t>(bytes.size()), bytes.data());
    ReadBitVector(media, vector);
    return vector;
}

TEST(BitVector, StoredFormIsCodeVersionCountAndOneBytePerElement)
{
    EXPECT_EQ(Stored({}), Concatenated(kHeader, {0, 0, 0, 0}));
    EXPECT_EQ(Stored({true, false, true}), Concatenated(kHeader, {0, 0, 0, 3, 1, 0, 1}));
    EXPECT_EQ(ReadFrom(Stored({true, false, true}), {false}), (std::vector<bool>{true, false, true}));
    EXPECT_TRUE(ReadFrom(Stored({}), {true, true}).empty());
}

TEST(BitVector, ReadsAnyMinorVersion)
{
    TBytes stored = Stored({false, true});
    stored[6] = 5;   // 1.5.0
    EXPECT_EQ(ReadFrom(stored, {}), (std::vector<bool>{false, true}));
}

TEST(BitVector, RefusedRecordsLeaveTheVectorAlone)
{
    const std::vector<bool> kept = {true, true, false};
    TBytes otherMajor = Stored({true});
    otherMajor[5] = 2;
    TBytes badElement = Stored({true, false});
    badElement.back() = 2;
    TBytes otherCode = Stored({true});
    otherCode[3] = 'Y';
    TBytes noMarker = Stored({true});
    noMarker[4] = 0xBD;
    const struct
    {
        const char* name;
        TBytes stored;
        bool badFormat;
    } kCases[] = {
        {"major 2", otherMajor, true},
        {"element byte 2", badElement, true},
        {"another code", otherCode, true},
        {"no version marker", noMarker, true},
        {"count 0xFFFFFFFF in 13 bytes", Concatenated(kHeader, {0xFF, 0xFF, 0xFF, 0xFF}), false},
        {"one element missing", Concatenated(kHeader, {0, 0, 0, 2, 1}), false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        std::vector<bool> vector = kept;
        COwnedMemoryMedia media(static_cast<std::int32_t>(c.stored.size()), c.stored.data());
        if (c.badFormat)
            EXPECT_THROW(ReadBitVector(media, vector), XBadFormat);
        else
            EXPECT_THROW(ReadBitVector(media, vector), XRead);
        EXPECT_EQ(vector, kept);
    }
}

} // namespace
