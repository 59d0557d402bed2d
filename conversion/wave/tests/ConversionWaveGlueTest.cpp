// The byte streams through which the sample-file library writes into and reads from framework media,
// the turning of library statuses into exceptions, and reading a WAVE file into a sample in memory.

#include "conversion/wave/WaveGlue.h"
#include "framework/foundation/audio/WaveSample.h"
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
        {"XDiskFull", [] { throw XDiskFull(); }, NSSondrel::kByteWriterDiskFull, kByteReaderFailure},
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

namespace {

NSSondrel::FormatInfo SixteenBitFormat(std::uint32_t channels, std::int32_t frames)
{
    NSSondrel::FormatInfo info{};
    info.channels = channels;
    info.bitsPerSample = 16;
    info.sampleRate = 22050;
    info.frameCount = frames;
    info.loopMode = NSSondrel::kLoopNone;
    info.alternate = NSSondrel::kAlternateNo;
    info.loopEnd = static_cast<std::uint32_t>(frames);
    info.hasRoot = 1;
    info.rootKey = 60;
    info.highValue = 127;
    return info;
}

// Writes the 16-bit values as a WAVE file through the library; returns the first status that is not success.
std::int32_t WriteWave(NSTramvell::CMedia& media, std::uint32_t channels, const std::vector<std::int16_t>& values)
{
    std::int32_t status = NSSondrel::kSondrelSuccess;
    const std::unique_ptr<NSSondrel::ISondrel, CLibraryDeleter> library(Sondrel_Create("ISondrel", &status));
    if (status != NSSondrel::kSondrelSuccess)
        return status;
    CCMediaByteWriter byteWriter(media);
    const auto frames = static_cast<std::int32_t>(values.size() / channels);
    const NSSondrel::FormatInfo info = SixteenBitFormat(channels, frames);
    const std::unique_ptr<NSSondrel::IFrameWriter, CLibraryDeleter> writer(
        library->CreateFrameWriter(&byteWriter, &info, &status));
    if (status != NSSondrel::kSondrelSuccess)
        return status;
    std::vector<float> floats(values.begin(), values.end());
    for (float& value : floats)
        value *= 256.0f;
    status = writer->WriteFrames(frames, floats.data());
    if (status != NSSondrel::kSondrelSuccess)
        return status;
    return writer->Close();
}

} // namespace

// More frames than one piece of the reading loop, so that the pieces must join.
TEST(ConversionWaveGlue, ReadingGlueCopiesTheFramesIntoAWaveSample)
{
    for (const std::uint32_t channels : {1u, 2u}) {
        SCOPED_TRACE(channels);
        std::vector<std::int16_t> values(5000 * channels);
        for (std::size_t i = 0; i < values.size(); ++i)
            values[i] = static_cast<std::int16_t>(static_cast<std::int32_t>(i * 7919 % 65536) - 32768);
        NSTramvell::COwnedMemoryMedia media;
        ASSERT_EQ(WriteWave(media, channels, values), NSSondrel::kSondrelSuccess);

        const std::unique_ptr<NSTramvell::CWaveSample> sample = ReadWaveSample(media);
        ASSERT_NE(sample, nullptr);
        EXPECT_EQ(sample->GetChannelCount(), static_cast<std::int16_t>(channels));
        EXPECT_EQ(sample->GetFrameCount(), 5000);
        EXPECT_EQ(sample->GetSampleRate(), 22050u);
        EXPECT_EQ(sample->GetBitsPerSample(), 16);
        std::vector<std::int16_t> read(values.size());
        sample->Read16BitStereoFrames(0, 5000, read.data());
        EXPECT_EQ(read, values);
    }
}

TEST(ConversionWaveGlue, ReadingGlueThrowsWhatTheLibraryAnswers)
{
    const std::string notWave = "This is no WAVE file, only a line of text that is long enough.";
    NSTramvell::COwnedMemoryMedia media(static_cast<std::int32_t>(notWave.size()), notWave.data());
    EXPECT_THROW(ReadWaveSample(media), NSTramvell::XBadFormat);
}

// A framework media that is full reaches the library as a full disk and comes back as one.
TEST(ConversionWaveGlue, AFullMediaIsTheLibrarysDiskFull)
{
    CThrowingMedia full([] { throw XDiskFull(); });
    const std::int32_t status = WriteWave(full, 1, std::vector<std::int16_t>(100, 1));
    EXPECT_EQ(status, NSSondrel::kSondrelDiskFull);
    EXPECT_THROW(ThrowForStatus(status), XDiskFull);
}
