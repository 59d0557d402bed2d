#include "framework/foundation/ipc/SyncedFIFO.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/ipc/tests/BesideThread.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

using namespace NSTramvell;

namespace {

// One FIFO in ordinary memory, with both of its ends.
struct CTestFIFO
{
    explicit CTestFIFO(std::uint32_t sizeInBytes)
        : state{0, 0, 0, sizeInBytes}
        , data(sizeInBytes, 0xEE)
        , writer(state.data(), data.data())
        , reader(state.data(), data.data())
    {
    }

    // Both positions at p, as after records that ended there.
    void StartAt(std::uint32_t position)
    {
        state[kFIFOReadPositionWord] = position;
        state[kFIFOWritePositionWord] = position;
    }

    std::vector<std::uint8_t> ReadRecord()
    {
        std::vector<std::uint8_t> buffer(70000);
        buffer.resize(reader.Read(buffer.data(), static_cast<std::uint32_t>(buffer.size())));
        return buffer;
    }

    alignas(4) std::array<std::uint32_t, 4> state;
    std::vector<std::uint8_t> data;
    CSyncedFIFOWriter writer;
    CSyncedFIFOReader reader;
};

std::vector<std::uint8_t> MakeRecord(std::uint32_t length, std::uint8_t seed)
{
    std::vector<std::uint8_t> bytes(length);
    for (std::uint32_t i = 0; i < length; ++i)
        bytes[i] = static_cast<std::uint8_t>(seed + 7 * i);
    return bytes;
}

TEST(SyncedFIFO, ARecordOfSizeMinusTwoFillsTheRing)
{
    CTestFIFO fifo(10);
    EXPECT_EQ(fifo.writer.GetMaxMessageLength(), 8u);
    ASSERT_TRUE(fifo.writer.HasRoom(8));
    EXPECT_FALSE(fifo.writer.HasRoom(9));
    const auto record = MakeRecord(8, 1);
    fifo.writer.Write(8, record.data());
    EXPECT_EQ(fifo.writer.GetFillCount(), 10u);
    EXPECT_FALSE(fifo.writer.HasRoom(0));
    EXPECT_EQ(fifo.ReadRecord(), record);
    EXPECT_EQ(fifo.reader.GetFillCount(), 0u);
}

// Every start position in a ring of 10 puts the wrap somewhere else: inside the prefix, right after it,
// inside the bytes, or not at all.
TEST(SyncedFIFO, RecordsWrapAtAnyByte)
{
    for (std::uint32_t start = 0; start < 10; ++start) {
        SCOPED_TRACE(start);
        CTestFIFO fifo(10);
        fifo.StartAt(start);
        const auto first = MakeRecord(5, static_cast<std::uint8_t>(start));
        const auto second = MakeRecord(1, 0x40);
        fifo.writer.Write(5, first.data());
        fifo.writer.Write(1, second.data());
        EXPECT_EQ(fifo.ReadRecord(), first);
        EXPECT_EQ(fifo.ReadRecord(), second);
        EXPECT_EQ(fifo.state[kFIFOReadPositionWord], (start + 10) % 10);
        EXPECT_EQ(fifo.state[kFIFOReadPositionWord], fifo.state[kFIFOWritePositionWord]);
    }
}

TEST(SyncedFIFO, AnEmptyRecordTakesTwoBytesAndReadsAsNothing)
{
    CTestFIFO fifo(16);
    EXPECT_EQ(fifo.ReadRecord().size(), 0u);
    fifo.writer.Write(0, nullptr);
    EXPECT_EQ(fifo.writer.GetFillCount(), 2u);
    std::uint8_t buffer[1] = {};
    EXPECT_EQ(fifo.reader.Read(buffer, 0), 0u);
    EXPECT_EQ(fifo.reader.GetFillCount(), 0u);
    EXPECT_EQ(fifo.state[kFIFOReadPositionWord], 2u);
}

// The prefix holds 16 bits: a longer record would wrap it and leave the reader parsing bytes as lengths.
TEST(SyncedFIFO, RefusesRecordsLongerThanSixteenBitsCanSay)
{
    CTestFIFO fifo(70000);
    EXPECT_EQ(fifo.writer.GetMaxMessageLength(), 65535u);
    EXPECT_TRUE(fifo.writer.HasRoom(65535));
    EXPECT_FALSE(fifo.writer.HasRoom(65536));
    const std::vector<std::uint8_t> tooLong(65536, 0x11);
    EXPECT_THROW(fifo.writer.Write(65536, tooLong.data()), XBase);
    EXPECT_EQ(fifo.state, (std::array<std::uint32_t, 4>{0, 0, 0, 70000}));
    const auto longest = MakeRecord(65535, 3);
    fifo.writer.Write(65535, longest.data());
    EXPECT_EQ(fifo.ReadRecord(), longest);
}

TEST(SyncedFIFO, ARecordLongerThanTheBufferStaysForALargerOne)
{
    CTestFIFO fifo(64);
    const auto record = MakeRecord(20, 9);
    fifo.writer.Write(20, record.data());
    std::uint8_t small[19];
    EXPECT_THROW(fifo.reader.Read(small, sizeof small), XBase);
    EXPECT_EQ(fifo.reader.GetFillCount(), 22u);
    EXPECT_EQ(fifo.ReadRecord(), record);
}

// The state lies in memory another process writes: what it claims is checked before it is used.
TEST(SyncedFIFO, ABrokenStateThrowsAndConsumesNothing)
{
    const struct
    {
        const char* what;
        std::array<std::uint32_t, 4> state;
        std::uint8_t prefix[2];
    } kCases[] = {
        {"read position at the size", {16, 4, 0, 16}, {0, 2}},
        {"read position far out", {0xFFFFFFF0, 4, 0, 16}, {0, 2}},
        {"fill count over the size", {0, 17, 0, 16}, {0, 2}},
        {"fill count shorter than a prefix", {0, 1, 0, 16}, {0, 0}},
        {"record longer than the fill count", {0, 4, 0, 16}, {0, 3}},
        {"record longer than the ring", {0, 16, 0, 16}, {0xFF, 0xFF}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        CTestFIFO fifo(16);
        fifo.state = c.state;
        fifo.data[0] = c.prefix[0];
        fifo.data[1] = c.prefix[1];
        std::vector<std::uint8_t> buffer(70000);
        EXPECT_THROW(fifo.reader.Read(buffer.data(), static_cast<std::uint32_t>(buffer.size())), XBase);
        EXPECT_EQ(fifo.state, c.state);
    }
    CTestFIFO fifo(16);
    fifo.state[kFIFOWritePositionWord] = 16;
    const std::uint8_t byte = 1;
    EXPECT_THROW(fifo.writer.Write(1, &byte), XBase);
    EXPECT_EQ(fifo.state[kFIFOFillCountWord], 0u);
}

TEST(SyncedFIFO, DropAllLeavesTheReaderWhereTheWriterGoesOn)
{
    CTestFIFO fifo(16);
    fifo.StartAt(11);
    const auto record = MakeRecord(3, 5);
    fifo.writer.Write(3, record.data());
    fifo.writer.Write(3, record.data());
    fifo.reader.DropAll();
    EXPECT_EQ(fifo.reader.GetFillCount(), 0u);
    EXPECT_EQ(fifo.state[kFIFOReadPositionWord], fifo.state[kFIFOWritePositionWord]);

    // A record whose length cannot be right: start over at the write position.
    fifo.writer.Write(3, record.data());
    fifo.data[fifo.state[kFIFOReadPositionWord]] = 0x40;
    fifo.reader.DropAll();
    EXPECT_EQ(fifo.reader.GetFillCount(), 0u);
    EXPECT_EQ(fifo.state[kFIFOReadPositionWord], fifo.state[kFIFOWritePositionWord]);
    fifo.writer.Write(3, record.data());
    EXPECT_EQ(fifo.ReadRecord(), record);
}

TEST(SyncedFIFO, TwoThreadsPassManyRecordsInOrder)
{
    constexpr std::uint32_t kRecords = 100000;
    CTestFIFO fifo(4096);
    std::uint32_t mismatches = 0;
    std::uint32_t received = 0;
    NSIpcTest::RunBeside(
        [&] {
            for (std::uint32_t i = 0; i < kRecords; ++i) {
                const auto record = MakeRecord(1 + i % 300, static_cast<std::uint8_t>(i));
                while (!fifo.writer.HasRoom(static_cast<std::uint32_t>(record.size())))
                    NSIpcTest::LetOtherThreadsRun();
                fifo.writer.Write(static_cast<std::uint32_t>(record.size()), record.data());
            }
        },
        [&] {
            std::vector<std::uint8_t> buffer(300);
            while (received < kRecords) {
                const std::uint32_t length = fifo.reader.Read(buffer.data(), 300);
                if (length == 0) {
                    NSIpcTest::LetOtherThreadsRun();
                    continue;
                }
                const auto expected = MakeRecord(1 + received % 300, static_cast<std::uint8_t>(received));
                if (length != expected.size() || !std::equal(expected.begin(), expected.end(), buffer.begin()))
                    ++mismatches;
                ++received;
            }
        });
    EXPECT_EQ(received, kRecords);
    EXPECT_EQ(mismatches, 0u);
    EXPECT_EQ(fifo.reader.GetFillCount(), 0u);
}

} // namespace
