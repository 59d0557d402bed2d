#include "framework/foundation/ipc/MessageRing.h"

#include "framework/foundation/core/Exceptions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace NSTramvell;

namespace {

std::vector<std::uint8_t> GetRecord(CMessageRing& ring, std::uint32_t largestLength = 1000)
{
    std::vector<std::uint8_t> buffer(largestLength + 1, 0xEE);
    std::uint32_t length = 12345;
    const EMessageRingStatus status = ring.Get(buffer.data(), largestLength, &length);
    EXPECT_EQ(status, kMessageRingDone);
    buffer.resize(length);
    return buffer;
}

TEST(MessageRing, AnswersEmptyFullAndDone)
{
    CMessageRing ring(10);
    std::uint32_t length = 99;
    std::uint8_t buffer[16];
    EXPECT_EQ(ring.PeekLength(&length), kMessageRingEmpty);
    EXPECT_EQ(ring.Get(buffer, sizeof buffer, &length), kMessageRingEmpty);
    EXPECT_EQ(length, 0u);

    const std::uint8_t record[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(ring.Put(record, 9), kMessageRingFull);
    EXPECT_EQ(ring.Put(record, 8), kMessageRingDone);
    EXPECT_EQ(ring.GetCount(), 10);
    EXPECT_FALSE(ring.HasRoom(0));
    EXPECT_EQ(ring.Put(record, 0), kMessageRingFull);
    EXPECT_EQ(ring.PeekLength(&length), kMessageRingDone);
    EXPECT_EQ(length, 8u);
    EXPECT_EQ(GetRecord(ring), std::vector<std::uint8_t>(record, record + 8));
    EXPECT_EQ(ring.GetCount(), 0);
}

TEST(MessageRing, RecordsWrapAtAnyByte)
{
    for (std::uint32_t start = 0; start < 10; ++start) {
        SCOPED_TRACE(start);
        CMessageRing ring(10);
        const std::vector<std::uint8_t> filler(start, 0x55);
        // A filler record of start − 2 bytes moves both positions to start (nothing to move for 0 and 1).
        if (start >= 2) {
            ASSERT_EQ(ring.Put(filler.data(), start - 2), kMessageRingDone);
            GetRecord(ring);
        } else if (start == 1) {
            ring.Fill(filler.data(), 1);
            ring.TakeAll(std::vector<std::uint8_t>(1).data());
        }
        const std::vector<std::uint8_t> record = {1, 2, 3, 4, 5, 6};
        ASSERT_EQ(ring.Put(record.data(), 6), kMessageRingDone);
        EXPECT_EQ(GetRecord(ring), record);
    }
}

TEST(MessageRing, ARecordLongerThanTheCallerAcceptsThrowsAndStays)
{
    CMessageRing ring(32);
    const std::vector<std::uint8_t> record = {9, 8, 7, 6, 5};
    ring.Put(record.data(), 5);
    std::uint8_t buffer[4];
    std::uint32_t length = 77;
    EXPECT_THROW(ring.Get(buffer, 4, &length), XBase);
    EXPECT_EQ(length, 0u);
    EXPECT_EQ(ring.GetCount(), 7);
    EXPECT_EQ(GetRecord(ring, 5), record);
}

TEST(MessageRing, TakeAllCopiesTheRecordsWithTheirPrefixes)
{
    CMessageRing ring(32);
    const std::uint8_t first[] = {0xA1, 0xA2, 0xA3};
    const std::uint8_t second[] = {0xB1, 0xB2, 0xB3, 0xB4, 0xB5};
    ring.Put(first, 3);
    ring.Put(second, 5);
    std::vector<std::uint8_t> all(12, 0xEE);
    ring.TakeAll(all.data());
    EXPECT_EQ(all, (std::vector<std::uint8_t>{0, 3, 0xA1, 0xA2, 0xA3, 0, 5, 0xB1, 0xB2, 0xB3, 0xB4, 0xB5}));
    EXPECT_EQ(ring.GetCount(), 0);

    // What TakeAll gave fills another ring, whole, as the same records.
    CMessageRing copy(12);
    copy.Fill(all.data(), 12);
    EXPECT_EQ(copy.GetCount(), 12);
    EXPECT_EQ(GetRecord(copy), std::vector<std::uint8_t>(first, first + 3));
    EXPECT_EQ(GetRecord(copy), std::vector<std::uint8_t>(second, second + 5));
    EXPECT_EQ(copy.Put(first, 3), kMessageRingDone);
    EXPECT_EQ(GetRecord(copy), std::vector<std::uint8_t>(first, first + 3));
}

TEST(MessageRing, FillRefusesMoreThanTheCapacityAndKeepsTheRing)
{
    CMessageRing ring(8);
    const std::uint8_t record[] = {4, 4};
    ring.Put(record, 2);
    const std::vector<std::uint8_t> tooMuch(9, 0);
    EXPECT_THROW(ring.Fill(tooMuch.data(), 9), XBase);
    EXPECT_EQ(ring.GetCount(), 4);
    EXPECT_EQ(GetRecord(ring), std::vector<std::uint8_t>(record, record + 2));
}

TEST(MessageRing, FilledBytesThatClaimTooLongARecordThrow)
{
    CMessageRing ring(8);
    const std::uint8_t claimsTen[] = {0, 10, 1, 2};
    ring.Fill(claimsTen, 4);
    std::uint8_t buffer[64];
    std::uint32_t length = 0;
    EXPECT_THROW(ring.Get(buffer, sizeof buffer, &length), XBase);
    EXPECT_EQ(ring.GetCount(), 4);
}

} // namespace
