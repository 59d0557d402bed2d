#include "framework/foundation/core/Media.h"

#include "framework/foundation/core/Exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace NSTramvell;
using Bytes = std::vector<std::uint8_t>;

constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();

Bytes Counting(std::size_t count, std::uint8_t first = 0)
{
    Bytes bytes(count);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

Bytes Contents(CMedia& media)
{
    Bytes bytes(static_cast<std::size_t>(media.GetSize()));
    media.PeekAt(0, media.GetSize(), bytes.data());
    return bytes;
}

// Records what the helpers ask of the virtual operations.
class CRecordingMedia : public COwnedMemoryMedia
{
public:
    using COwnedMemoryMedia::COwnedMemoryMedia;

    void SetPosition(std::int32_t position) override
    {
        ++mSetPositionCalls;
        COwnedMemoryMedia::SetPosition(position);
    }
    void ReadAt(std::int32_t position, std::int32_t length, void* destination) override
    {
        mReadLengths.push_back(length);
        COwnedMemoryMedia::ReadAt(position, length, destination);
    }
    void WriteAt(std::int32_t position, std::int32_t length, const void* source) override
    {
        mWriteLengths.push_back(length);
        COwnedMemoryMedia::WriteAt(position, length, source);
    }

    int mSetPositionCalls = 0;
    std::vector<std::int32_t> mReadLengths;
    std::vector<std::int32_t> mWriteLengths;
};

// The two memory kinds behave alike; each test runs on both.
template <typename TMedia>
class MemoryMedia : public ::testing::Test
{
};
using MemoryKinds = ::testing::Types<CMemoryMedia, COwnedMemoryMedia>;
TYPED_TEST_SUITE(MemoryMedia, MemoryKinds);

TYPED_TEST(MemoryMedia, GrowsByHalfTheShortfallWithAStepOfAtLeast100)
{
    TypeParam media(0);
    const Bytes written = Counting(400, 1);
    const struct
    {
        std::int32_t position;
        std::int32_t length;
        std::int32_t capacity;
    } kSteps[] = {
        {0, 1, 100},     // step 100 from nothing
        {1, 150, 200},   // end 151: 100 beats 51 * 3 / 2
        {151, 249, 500}, // end 400: 200 * 3 / 2
        {400, 0, 500},
    };
    for (const auto& s : kSteps) {
        SCOPED_TRACE(s.position);
        media.WriteAt(s.position, s.length, written.data() + s.position);
        EXPECT_EQ(media.GetCapacity(), s.capacity);
        EXPECT_EQ(media.GetSize(), s.position + s.length);
        EXPECT_EQ(media.GetPosition(), s.position + s.length);
    }
    EXPECT_EQ(Contents(media), written);
}

TYPED_TEST(MemoryMedia, SmallAppendsGrowTheBlockByHalfItsCapacityAtLeast)
{
    TypeParam media(0);
    const Bytes piece = Counting(10);
    std::int32_t capacity = 0;
    int growths = 0;
    for (int i = 0; i < 20000; ++i) {
        media.Write(10, piece.data());
        if (media.GetCapacity() != capacity) {
            ASSERT_GE(media.GetCapacity(), capacity + std::max(100, capacity / 2));
            capacity = media.GetCapacity();
            ++growths;
        }
    }
    EXPECT_EQ(media.GetSize(), 200000);
    // 100, 150, 225, ... 220,753: twenty blocks for 200,000 bytes, where steps of 100 would take 2,000.
    EXPECT_EQ(growths, 20);
}

TYPED_TEST(MemoryMedia, RefusesReadsOutsideTheContents)
{
    TypeParam media(0);
    const Bytes stored = Counting(10);
    media.WriteAt(0, 10, stored.data());
    const struct
    {
        std::int32_t position;
        std::int32_t length;
        bool accepted;
    } kCases[] = {
        {0, 10, true},  {10, 0, true},   {6, 4, true},          {-1, 1, false},     {9, 2, false},
        {11, 0, false}, {0, -1, false},  {kLargest, 1, false},   {1, kLargest, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(::testing::Message() << c.position << ", " << c.length);
        media.SetPosition(3);
        Bytes read(10, 0xEE);
        if (c.accepted) {
            media.ReadAt(c.position, c.length, read.data());
            EXPECT_TRUE(std::equal(read.begin(), read.begin() + c.length, stored.begin() + c.position));
            EXPECT_EQ(media.GetPosition(), c.position + c.length);
        } else {
            EXPECT_THROW(media.ReadAt(c.position, c.length, read.data()), XRead);
            EXPECT_EQ(read, Bytes(10, 0xEE));
            EXPECT_EQ(media.GetPosition(), 3);
        }
    }
}

TYPED_TEST(MemoryMedia, RefusesWritesNoPositionCanHold)
{
    TypeParam media(0);
    media.WriteAt(0, 3, Counting(3).data());
    const std::uint8_t byte = 0x5A;
    EXPECT_THROW(media.WriteAt(-1, 1, &byte), XWrite);
    EXPECT_THROW(media.WriteAt(0, -1, &byte), XWrite);
    EXPECT_THROW(media.WriteAt(kLargest, 1, &byte), XWrite);
    EXPECT_THROW(media.WriteAt(1, kLargest, &byte), XWrite);
    media.SetPosition(-5);
    EXPECT_THROW(media.Reserve(1), XWrite);
    EXPECT_EQ(media.GetSize(), 3);
    EXPECT_EQ(Contents(media), Counting(3));
}

TYPED_TEST(MemoryMedia, ReadAdvancesThePosition)
{
    TypeParam media(0);
    media.WriteAt(0, 20, Counting(20).data());
    media.SetPosition(10);
    Bytes read(4);
    media.Read(4, read.data());
    EXPECT_EQ(read, Counting(4, 10));
    EXPECT_EQ(media.GetPosition(), 14);
}

TYPED_TEST(MemoryMedia, WriteBeyondTheSizeRaisesItAndClearsTheGap)
{
    TypeParam media(0);
    media.WriteAt(0, 2, Counting(2, 0xA0).data());
    media.WriteAt(6, 2, Counting(2, 0xB0).data());
    EXPECT_EQ(media.GetSize(), 8);
    EXPECT_EQ(Contents(media), (Bytes{0xA0, 0xA1, 0, 0, 0, 0, 0xB0, 0xB1}));

    // A write inside the contents leaves the size alone.
    media.WriteAt(1, 1, Counting(1, 0xC0).data());
    EXPECT_EQ(media.GetSize(), 8);
    EXPECT_EQ(media.GetPosition(), 2);
}

TYPED_TEST(MemoryMedia, ReserveMakesRoomAtThePositionForTheCallerToFill)
{
    TypeParam media(0);
    media.WriteAt(0, 2, Counting(2, 1).data());
    media.SetPosition(4);
    std::uint8_t* block = media.Reserve(3);
    EXPECT_EQ(block, media.GetBuffer());
    EXPECT_EQ(media.GetSize(), 7);
    block[4] = 0x44;
    block[6] = 0x66;
    EXPECT_EQ(Contents(media), (Bytes{1, 2, 0, 0, 0x44, 0, 0x66}));
    EXPECT_EQ(media.GetPosition(), 4);
}

TYPED_TEST(MemoryMedia, HelpersReadAndWriteBigEndianAtThePosition)
{
    TypeParam media(0);
    media.WriteBigEndian16(0x1234);
    media.WriteBigEndian32(0x89ABCDEFu);
    media.WriteByte(0x7F);
    EXPECT_EQ(Contents(media), (Bytes{0x12, 0x34, 0x89, 0xAB, 0xCD, 0xEF, 0x7F}));
    media.SetPosition(0);
    EXPECT_EQ(media.ReadBigEndian16(), 0x1234);
    EXPECT_EQ(media.ReadBigEndian32(), 0x89ABCDEFu);
    EXPECT_EQ(media.PeekByte(), 0x7F);
    EXPECT_EQ(media.GetPosition(), 6);
    EXPECT_EQ(media.ReadByte(), 0x7F);
    EXPECT_THROW(media.ReadByte(), XRead);
}

TEST(CMemoryMedia, WorksInTheCallersBlockUntilAWriteOutgrowsIt)
{
    std::uint8_t callers[6] = {1, 2, 3, 4, 0xEE, 0xEE};
    CMemoryMedia media(4, callers);
    EXPECT_EQ(media.GetSize(), 4);
    EXPECT_EQ(media.GetBuffer(), callers);

    media.WriteAt(1, 2, Counting(2, 0x20).data());
    EXPECT_EQ(Bytes(callers, callers + 6), (Bytes{1, 0x20, 0x21, 4, 0xEE, 0xEE}));

    // Past the capacity the contents move to a block of the media's own: the caller's block, which
    // here is on the stack, is neither written past its end nor freed.
    media.WriteAt(4, 2, Counting(2, 0x30).data());
    EXPECT_NE(media.GetBuffer(), callers);
    EXPECT_EQ(media.GetCapacity(), 104);
    EXPECT_EQ(Contents(media), (Bytes{1, 0x20, 0x21, 4, 0x30, 0x31}));
    EXPECT_EQ(Bytes(callers, callers + 6), (Bytes{1, 0x20, 0x21, 4, 0xEE, 0xEE}));
    media.WriteAt(0, 1, Counting(1, 0x40).data());
    EXPECT_EQ(callers[0], 1);
}

TEST(CMemoryMedia, CopiesAWholeSourceAndPutsItsPositionBack)
{
    COwnedMemoryMedia source(10, Counting(10).data());
    source.SetPosition(7);
    CMemoryMedia copy(source);
    EXPECT_EQ(copy.GetPosition(), 0);
    EXPECT_EQ(copy.GetSize(), 10);
    EXPECT_EQ(copy.GetCapacity(), 10);
    EXPECT_EQ(Contents(copy), Counting(10));
    EXPECT_EQ(source.GetPosition(), 7);

    CMemoryMedia second(copy);
    copy.WriteAt(0, 1, Counting(1, 0x99).data());
    EXPECT_EQ(Contents(second), Counting(10));
}

TEST(COwnedMemoryMedia, CopyOfASourceTakesItsPosition)
{
    CRecordingMedia source(10, Counting(10).data());
    source.SetPosition(7);
    COwnedMemoryMedia copy(static_cast<CMedia&>(source));
    EXPECT_EQ(copy.GetPosition(), 7);
    EXPECT_EQ(copy.GetCapacity(), 10);
    EXPECT_EQ(Contents(copy), Counting(10));
    EXPECT_EQ(source.GetPosition(), 7);
    EXPECT_EQ(source.mReadLengths, (std::vector<std::int32_t>{10}));
}

TEST(COwnedMemoryMedia, AssignmentMakesAnIndependentCopy)
{
    COwnedMemoryMedia original(0);
    original.WriteAt(0, 30, Counting(30).data());
    original.SetPosition(12);
    COwnedMemoryMedia copy(3, Counting(3, 0x80).data());
    copy = original;
    EXPECT_EQ(copy.GetPosition(), 12);
    EXPECT_EQ(copy.GetSize(), 30);
    EXPECT_EQ(copy.GetCapacity(), original.GetCapacity());
    EXPECT_NE(copy.GetBuffer(), original.GetBuffer());

    original.WriteAt(0, 1, Counting(1, 0xFF).data());
    EXPECT_EQ(Contents(copy), Counting(30));

    COwnedMemoryMedia& self = copy;
    copy = self;
    EXPECT_EQ(Contents(copy), Counting(30));
    EXPECT_EQ(copy.GetPosition(), 12);
}

TEST(COwnedMemoryMedia, MovingHandsTheBlockOver)
{
    COwnedMemoryMedia original(0);
    original.WriteAt(0, 30, Counting(30).data());
    const std::uint8_t* block = original.GetBuffer();

    COwnedMemoryMedia moved(std::move(original));
    EXPECT_EQ(moved.GetBuffer(), block);
    EXPECT_EQ(moved.GetPosition(), 30);
    EXPECT_EQ(Contents(moved), Counting(30));
    EXPECT_EQ(original.GetSize(), 0);
    EXPECT_EQ(original.GetCapacity(), 0);

    COwnedMemoryMedia target(5, Counting(5).data());
    target = std::move(moved);
    EXPECT_EQ(target.GetBuffer(), block);
    EXPECT_EQ(Contents(target), Counting(30));
    EXPECT_EQ(moved.GetSize(), 0);

    // A moved-from media is usable again.
    moved.WriteAt(0, 2, Counting(2).data());
    EXPECT_EQ(Contents(moved), Counting(2));
}

class PartialMediaTest : public ::testing::Test
{
protected:
    PartialMediaTest() : mParent(200, Counting(200).data()) {}
    COwnedMemoryMedia mParent;
};

TEST_F(PartialMediaTest, WindowWithAnEndKeepsPositionsAndReadsInside)
{
    mParent.SetPosition(105);
    CPartialMedia window(mParent, 100, 20);
    EXPECT_EQ(window.GetPosition(), 5);
    EXPECT_EQ(window.GetSize(), 20);

    window.SetPosition(20);
    EXPECT_EQ(mParent.GetPosition(), 120);
    EXPECT_THROW(window.SetPosition(21), XPosition);
    EXPECT_THROW(window.SetPosition(-1), XPosition);
    EXPECT_EQ(window.GetPosition(), 20);

    Bytes read(6);
    EXPECT_THROW(window.ReadAt(15, 6, read.data()), XRead);
    EXPECT_THROW(window.ReadAt(-1, 1, read.data()), XRead);
    EXPECT_THROW(window.ReadAt(0, -1, read.data()), XRead);
    window.ReadAt(14, 6, read.data());
    EXPECT_EQ(read, Counting(6, 114));
    EXPECT_EQ(window.GetPosition(), 20);
    EXPECT_EQ(mParent.GetPosition(), 120);
}

TEST_F(PartialMediaTest, WindowWithAnEndRefusesWritesPastIt)
{
    CPartialMedia window(mParent, 100, 20);
    const Bytes written(6, 0xAB);
    EXPECT_THROW(window.WriteAt(15, 6, written.data()), XWrite);
    EXPECT_THROW(window.WriteAt(-1, 1, written.data()), XWrite);
    EXPECT_THROW(window.WriteAt(0, -1, written.data()), XWrite);
    EXPECT_EQ(Contents(mParent), Counting(200));

    window.WriteAt(14, 6, written.data());
    EXPECT_EQ(window.GetPosition(), 20);
    Bytes expected = Counting(200);
    std::fill(expected.begin() + 114, expected.begin() + 120, 0xAB);
    EXPECT_EQ(Contents(mParent), expected);
}

TEST_F(PartialMediaTest, WindowWithoutAnEndWritesAnywhereAndReadsNothing)
{
    CPartialMedia window(mParent, 100);
    EXPECT_EQ(window.GetSize(), 100);
    std::uint8_t byte = 0;
    EXPECT_THROW(window.ReadAt(0, 1, &byte), XRead);

    const Bytes written = {0xAB, 0xCD};
    window.WriteAt(500, 2, written.data());
    EXPECT_EQ(mParent.GetSize(), 602);
    EXPECT_EQ(window.GetSize(), 502);
    EXPECT_EQ(window.GetPosition(), 502);
    EXPECT_THROW(window.WriteAt(-1, 1, written.data()), XWrite);
}

TEST_F(PartialMediaTest, DestroyingTheWindowLeavesTheParent)
{
    {
        CPartialMedia window(mParent, 10, 5);
        window.SetPosition(2);
    }
    EXPECT_EQ(mParent.GetPosition(), 12);
    EXPECT_EQ(Contents(mParent), Counting(200));
}

TEST(CMediaHelpers, PeekAndSkipLeaveOrMoveThePosition)
{
    CRecordingMedia media(10, Counting(10).data());
    media.SetPosition(4);
    media.mSetPositionCalls = 0;

    Bytes peeked(3);
    media.PeekAt(7, 3, peeked.data());
    EXPECT_EQ(peeked, Counting(3, 7));
    EXPECT_EQ(media.PeekByte(), 4);
    EXPECT_EQ(media.GetPosition(), 4);

    media.mSetPositionCalls = 0;
    media.Skip(0);
    EXPECT_EQ(media.mSetPositionCalls, 0);
    media.Skip(3);
    EXPECT_EQ(media.GetPosition(), 7);
    media.Skip(-5);
    EXPECT_EQ(media.GetPosition(), 2);
    EXPECT_EQ(media.mSetPositionCalls, 2);
}

TEST(CMediaHelpers, CopyFromMovesPiecesOfAtMost8192Bytes)
{
    const Bytes data = Counting(20010, 3);
    CRecordingMedia source(20010, data.data());
    source.SetPosition(5);
    CRecordingMedia destination(0);
    destination.WriteAt(0, 2, Counting(2, 0xF0).data());
    destination.mWriteLengths.clear();

    destination.CopyFrom(20000, source);
    const std::vector<std::int32_t> kPieces = {8192, 8192, 3616};
    EXPECT_EQ(source.mReadLengths, kPieces);
    EXPECT_EQ(destination.mWriteLengths, kPieces);
    EXPECT_EQ(source.GetPosition(), 20005);
    EXPECT_EQ(destination.GetPosition(), 20002);

    Bytes expected = {0xF0, 0xF1};
    expected.insert(expected.end(), data.begin() + 5, data.begin() + 20005);
    EXPECT_EQ(Contents(destination), expected);

    source.mReadLengths.clear();
    destination.CopyFrom(0, source);
    destination.CopyFrom(-5, source);
    EXPECT_TRUE(source.mReadLengths.empty());
}

TEST(StoredString, WritesACountThenTheBytes)
{
    const struct
    {
        std::string text;
        Bytes stored;
    } kCases[] = {
        {"", {0, 0, 0, 0}},
        {"abc", {0, 0, 0, 3, 'a', 'b', 'c'}},
        {std::string("\0\xFF", 2), {0, 0, 0, 2, 0, 0xFF}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        COwnedMemoryMedia media;
        WriteStdString(media, c.text);
        EXPECT_EQ(Contents(media), c.stored);
        media.SetPosition(0);
        EXPECT_EQ(ReadStdString(media), c.text);
        EXPECT_EQ(media.GetPosition(), static_cast<std::int32_t>(c.stored.size()));
    }
}

TEST(StoredString, ReadsFromThePositionAndAdvancesPastIt)
{
    const Bytes stored = {0xEE, 0, 0, 0, 3, 'a', 'b', 'c', 0xEE};
    COwnedMemoryMedia media(static_cast<std::int32_t>(stored.size()), stored.data());
    media.SetPosition(1);
    EXPECT_EQ(ReadStdString(media), "abc");
    EXPECT_EQ(media.GetPosition(), 8);
}

TEST(StoredString, DamagedLengthFailsBeforeAllocating)
{
    const struct
    {
        const char* what;
        Bytes stored;
    } kCases[] = {
        {"4 GB claimed", {0xFF, 0xFF, 0xFF, 0xF0, 'a', 'b', 'c'}},
        {"2 GB claimed", {0x7F, 0xFF, 0xFF, 0xFF, 'a', 'b', 'c'}},
        {"one byte more than there is", {0, 0, 0, 4, 'a', 'b', 'c'}},
        {"count cut short", {0, 0, 0}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        CRecordingMedia media(static_cast<std::int32_t>(c.stored.size()), c.stored.data());
        EXPECT_THROW(ReadStdString(media), XRead);
        // Only the count was read: the claim was refused before a string was made for it.
        EXPECT_EQ(media.mReadLengths, (std::vector<std::int32_t>{4}));
    }
}

} // namespace
