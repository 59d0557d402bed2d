#include "libs/samplefile/ByteStreamMedia.h"

#include "framework/foundation/core/Exceptions.h"
#include "libs/samplefile/SondrelExceptions.h"
#include "libs/samplefile/tests/FakeByteStreams.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <new>
#include <string>
#include <vector>

namespace {

using NSSondrel::CMyReadMedia;
using NSSondrel::CMyWriteMedia;
using NSSondrelTest::CMemoryByteReader;
using NSSondrelTest::CMemoryByteWriter;

TEST(CMyReadMedia, ReadsAndAdvancesThePosition)
{
    CMemoryByteReader source({1, 2, 3, 4, 5, 6});
    CMyReadMedia media(source, 6);
    std::uint8_t bytes[3] = {};
    media.ReadAt(2, 3, bytes);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes, bytes + 3), (std::vector<std::uint8_t>{3, 4, 5}));
    EXPECT_EQ(media.GetPosition(), 5);
    EXPECT_EQ(media.GetSize(), 6);
}

TEST(CMyReadMedia, RefusesRangesOutsideTheStatedSizeWithoutAskingTheReader)
{
    // The stream holds more than the size the caller stated; the media keeps to the stated size.
    CMemoryByteReader source(std::vector<std::uint8_t>(64, 0));
    CMyReadMedia media(source, 10);
    const struct
    {
        std::int32_t position;
        std::int32_t length;
    } kCases[] = {{-1, 1}, {0, -1}, {10, 1}, {9, 2}, {11, 0}, {1, std::numeric_limits<std::int32_t>::max()},
                  {std::numeric_limits<std::int32_t>::min(), 4}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.position << ", " << c.length);
        std::uint8_t bytes[16] = {};
        EXPECT_THROW(media.ReadAt(c.position, c.length, bytes), NSTramvell::XPosition);
    }
    EXPECT_EQ(source.GetCallCount(), 0);
    std::uint8_t last = 1;
    media.ReadAt(9, 1, &last);
    media.ReadAt(10, 0, &last);
    EXPECT_EQ(source.GetCallCount(), 2);
}

TEST(CMyReadMedia, TurnsReaderCodesIntoExceptions)
{
    CMemoryByteReader source(std::vector<std::uint8_t>(8, 0));
    CMyReadMedia media(source, 8);
    std::uint8_t byte = 0;
    source.FailFromCall(1, NSSondrel::kByteReaderOutOfMemory);
    try {
        media.ReadAt(0, 1, &byte);
        ADD_FAILURE() << "no exception";
    } catch (const std::bad_alloc& e) {
        EXPECT_EQ(std::string(e.what()), "bad allocation");
    }
    source.FailFromCall(1, 5002);
    EXPECT_THROW(media.ReadAt(0, 1, &byte), NSTramvell::XRead);
    EXPECT_EQ(media.GetPosition(), 0);
    EXPECT_THROW(media.WriteAt(0, 1, &byte), NSTramvell::XBase);
}

TEST(CMyWriteMedia, WritesAndAdvancesThePosition)
{
    CMemoryByteWriter sink;
    CMyWriteMedia media(sink);
    const std::uint8_t bytes[] = {7, 8, 9};
    media.WriteAt(2, 3, bytes);
    EXPECT_EQ(media.GetPosition(), 5);
    EXPECT_EQ(media.GetSize(), 5);
    EXPECT_EQ(sink.GetBytes(), (std::vector<std::uint8_t>{0xCD, 0xCD, 7, 8, 9}));
}

TEST(CMyWriteMedia, TurnsWriterCodesIntoExceptions)
{
    CMemoryByteWriter sink;
    CMyWriteMedia media(sink);
    const std::uint8_t byte = 0;
    sink.FailFromCall(1, NSSondrel::kByteWriterOutOfMemory);
    EXPECT_THROW(media.WriteAt(0, 1, &byte), std::bad_alloc);
    EXPECT_THROW(media.GetSize(), std::bad_alloc);
    sink.FailFromCall(1, 6002);
    EXPECT_THROW(media.WriteAt(0, 1, &byte), NSTramvell::XWrite);
    EXPECT_THROW(media.GetSize(), NSTramvell::XWrite);
    sink.FailFromCall(1, NSSondrel::kByteWriterDiskFull);
    EXPECT_THROW(media.WriteAt(0, 1, &byte), NSSondrelUtils::XDiskFull);
    EXPECT_EQ(media.GetPosition(), 0);
    std::uint8_t readBack = 0;
    EXPECT_THROW(media.ReadAt(0, 1, &readBack), NSTramvell::XBase);
}

// The media family counts in signed 32 bits: nothing may be truncated or wrap.
class CHugeByteWriter : public NSSondrel::IByteWriter
{
public:
    std::int32_t Write(std::int64_t, std::int64_t, const void*) noexcept override
    {
        ++mWriteCount;
        return NSSondrel::kByteWriterSuccess;
    }
    std::int32_t GetSize(std::int64_t* sizeInBytes) noexcept override
    {
        *sizeInBytes = mSizeInBytes;
        return NSSondrel::kByteWriterSuccess;
    }
    std::int64_t mSizeInBytes = 0;
    std::int32_t mWriteCount = 0;
};

TEST(CMyWriteMedia, RefusesSizesBeyondTheSignedThirtyTwoBitRange)
{
    CHugeByteWriter sink;
    CMyWriteMedia media(sink);
    sink.mSizeInBytes = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(media.GetSize(), std::numeric_limits<std::int32_t>::max());
    sink.mSizeInBytes = std::int64_t{1} << 32; // low 32 bits are 0
    EXPECT_THROW(media.GetSize(), NSTramvell::XUnsupportedFormat);

    const std::uint8_t bytes[2] = {};
    media.WriteAt(std::numeric_limits<std::int32_t>::max() - 2, 2, bytes);
    EXPECT_EQ(sink.mWriteCount, 1);
    EXPECT_THROW(media.WriteAt(std::numeric_limits<std::int32_t>::max() - 1, 2, bytes),
                 NSTramvell::XUnsupportedFormat);
    EXPECT_THROW(media.WriteAt(-1, 1, bytes), NSTramvell::XPosition);
    EXPECT_EQ(sink.mWriteCount, 1);
}

} // namespace
