// The byte streams through which the sample-file library writes into and reads from framework media,
// and the turning of library statuses into exceptions.

#include "conversion/wave/WaveGlue.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <typeinfo>
#include <vector>

using namespace NSWAVEGlue;

namespace {

// A media whose every transfer throws what the test says.
class CThrowingMedia final : public NSTramvell::CMedia
{
public:
    explicit CThrowingMedia(std::function<void()> fail) : mFail(std::move(fail)) {}
    std::int32_t GetSize() const override
    {
        mFail();
        return 0;
    }
    std::int32_t GetPosition() const override { return 0; }
    void SetPosition(std::int32_t) override {}
    void ReadAt(std::int32_t, std::int32_t, void*) override { mFail(); }
    void WriteAt(std::int32_t, std::int32_t, const void*) override { mFail(); }

private:
    std::function<void()> mFail;
};

} // namespace

TEST(ConversionWaveGlue, WriterAppendsWithoutHolesAndReportsTheMediaSize)
{
    NSTramvell::COwnedMemoryMedia media;
    CCMediaByteWriter writer(media);
    const std::vector<std::uint8_t> bytes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(writer.Write(0, 10, bytes.data()), NSSondrel::kByteWriterSuccess);
    EXPECT_EQ(writer.Write(10, 4, bytes.data()), NSSondrel::kByteWriterSuccess);
    EXPECT_EQ(writer.Write(15, 1, bytes.data()), kByteWriterInvalidArgument);
    EXPECT_EQ(writer.Write(2, 2, bytes.data() + 8), NSSondrel::kByteWriterSuccess);
    EXPECT_EQ(writer.Write(14, 0, bytes.data()), NSSondrel::kByteWriterSuccess);
    std::int64_t size = -1;
    EXPECT_EQ(writer.GetSize(&size), NSSondrel::kByteWriterSuccess);
    EXPECT_EQ(size, 14);
    const std::vector<std::uint8_t> expected = {1, 2, 9, 10, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4};
    EXPECT_EQ(std::vector<std::uint8_t>(media.GetBuffer(), media.GetBuffer() + media.GetSize()), expected);
}

TEST(ConversionWaveGlue, WriterRefusesBadArguments)
{
    NSTramvell::COwnedMemoryMedia media;
    CCMediaByteWriter writer(media);
    const std::uint8_t byte = 0;
    EXPECT_EQ(writer.Write(-1, 1, &byte), kByteWriterInvalidArgument);
    EXPECT_EQ(writer.Write(0, -1, &byte), kByteWriterInvalidArgument);
    EXPECT_EQ(writer.Write(0, 0, nullptr), kByteWriterInvalidArgument);
    EXPECT_EQ(writer.GetSize(nullptr), kByteWriterInvalidArgument);
    EXPECT_EQ(media.GetSize(), 0);
}

TEST(ConversionWaveGlue, MediaFailuresBecomeStatusesNotExceptions)
{
    const struct
    {
        const char* what;
        std::function<void()> fail;
        std::int32_t writerStatus;
        std::int32_t readerStatus;
    } kCases[] = {
        {"bad_alloc", [] { throw std::bad_alloc(); }, NSSondrel::kByteWriterOutOfMemory,
         NSSondrel::kByteReaderOutOfMemory},
        {"XDiskFull", [] { throw XDiskFull(); }, kByteWriterFailure, kByteReaderFailure},
        {"XWrite", [] { throw NSTramvell::XWrite(); }, kByteWriterFailure, kByteReaderFailure},
        {"runtime_error", [] { throw std::runtime_error("x"); }, kByteWriterFailure, kByteReaderFailure},
        {"not an exception", [] { throw 42; }, kByteWriterFailure, kByteReaderFailure},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        CThrowingMedia media(c.fail);
        CCMediaByteWriter writer(media);
        std::uint8_t byte = 0;
        EXPECT_EQ(writer.Write(0, 1, &byte), c.writerStatus);
        std::int64_t size = 0;
        EXPECT_EQ(writer.GetSize(&size), c.writerStatus);
        CCMediaByteReader reader(&media);
        EXPECT_EQ(reader.Read(0, 1, &byte), c.readerStatus);
        EXPECT_EQ(reader.GetSize(&size), c.readerStatus);
    }
}

TEST(ConversionWaveGlue, ReaderChecksItsArgumentsInOrder)
{
    const std::uint8_t stored[] = {10, 20, 30, 40};
    NSTramvell::COwnedMemoryMedia media(4, stored);
    CCMediaByteReader reader(&media);
    std::uint8_t read[2] = {0, 0};
    EXPECT_EQ(reader.Read(0, 0, nullptr), kByteReaderInvalidArgument);
    EXPECT_EQ(reader.Read(-1, 1, read), kByteReaderInvalidArgument);
    EXPECT_EQ(reader.Read(0, -1, read), kByteReaderInvalidArgument);
    EXPECT_EQ(reader.Read(1, 0, read), NSSondrel::kByteReaderSuccess);
    EXPECT_EQ(reader.Read(2, 2, read), NSSondrel::kByteReaderSuccess);
    EXPECT_EQ(read[0], 30);
    EXPECT_EQ(read[1], 40);
    EXPECT_EQ(reader.Read(3, 2, read), kByteReaderFailure);
    CCMediaByteReader noMedia(nullptr);
    EXPECT_FALSE(noMedia.IsValid());
    EXPECT_EQ(noMedia.Read(0, 1, read), kByteReaderInvalidObject);
}

TEST(ConversionWaveGlue, StatusesBecomeTheirExceptions)
{
    EXPECT_NO_THROW(ThrowForStatus(NSSondrel::kSondrelSuccess));
    const auto thrownType = [](std::int32_t status) -> std::string {
        try {
            ThrowForStatus(status);
        } catch (const std::exception& e) {
            return typeid(e).name();
        }
        return "nothing";
    };
    const struct
    {
        std::int32_t status;
        const std::type_info& type;
    } kCases[] = {
        {992, typeid(std::bad_alloc)},       {993, typeid(std::invalid_argument)},
        {994, typeid(std::logic_error)},     {995, typeid(std::logic_error)},
        {996, typeid(std::logic_error)},     {997, typeid(NSTramvell::XRead)},
        {998, typeid(NSTramvell::XWrite)},   {999, typeid(NSTramvell::XBadFormat)},
        {1000, typeid(XDiskFull)},           {1001, typeid(NSTramvell::XUnsupportedFormat)},
        {1002, typeid(std::exception)},      {990, typeid(std::logic_error)},
        {1003, typeid(std::logic_error)},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.status);
        EXPECT_EQ(thrownType(c.status), c.type.name());
    }
}
