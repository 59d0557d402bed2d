#include "libs/samplefile/FrameWriter.h"

#include "libs/samplefile/SondrelImpl.h"
#include "libs/samplefile/tests/FakeByteStreams.h"
#include "libs/samplefile/tests/WaveTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace NSSondrel;
using NSSondrelTest::Bytes;
using NSSondrelTest::CMemoryByteWriter;
using NSSondrelTest::MakeFormat;
using NSSondrelTest::ReadLittleEndianAt;
using NSSondrelTest::WithLoop;
using NSSondrelTest::WithRoot;

struct Chunk
{
    std::string id;
    std::uint32_t size;
    std::size_t offset; // of the contents
};

// Walks a written file the plain way, checking the RIFF header on the way.
std::vector<Chunk> WalkChunks(const Bytes& file)
{
    EXPECT_GE(file.size(), 12u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "RIFF");
    EXPECT_EQ(ReadLittleEndianAt(file, 4, 4), file.size() - 8);
    EXPECT_EQ(std::string(file.begin() + 8, file.begin() + 12), "WAVE");
    std::vector<Chunk> chunks;
    for (std::size_t offset = 12; offset + 8 <= file.size();) {
        const std::uint32_t size = ReadLittleEndianAt(file, offset + 4, 4);
        chunks.push_back({std::string(file.begin() + offset, file.begin() + offset + 4), size, offset + 8});
        offset += 8 + size + (size & 1);
    }
    return chunks;
}

std::vector<std::string> ChunkIds(const std::vector<Chunk>& chunks)
{
    std::vector<std::string> ids;
    for (const Chunk& chunk : chunks) {
        ids.push_back(chunk.id);
    }
    return ids;
}

TEST(CFrameWriterImpl, MonoSixteenBitsWithoutLoopHasNoSamplerChunkEvenWithARoot)
{
    const Bytes file = NSSondrelTest::WriteWave(WithRoot(MakeFormat(1, 16, 22050), 60, 10), {256.4f, -1.0f, 512.0f});
    const Bytes expected = {'R', 'I', 'F', 'F', 42, 0, 0, 0, 'W', 'A', 'V', 'E',
                            'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0,
                            'd', 'a', 't', 'a', 6, 0, 0, 0, 1, 0, 0xFF, 0xFF, 2, 0};
    EXPECT_EQ(file, expected);
}

TEST(CFrameWriterImpl, FormatChunkOfEachDepth)
{
    const struct
    {
        std::uint32_t channels;
        std::int32_t bits;
        std::uint32_t blockAlign;
    } kCases[] = {{1, 8, 1}, {2, 8, 2}, {2, 16, 4}, {1, 20, 3}, {2, 22, 6}, {2, 24, 6}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.channels << " x " << c.bits);
        const Bytes file = NSSondrelTest::WriteWave(MakeFormat(c.channels, c.bits, 48000), {});
        const std::vector<Chunk> chunks = WalkChunks(file);
        ASSERT_EQ(ChunkIds(chunks), (std::vector<std::string>{"fmt ", "data"}));
        const std::size_t fmt = chunks[0].offset;
        EXPECT_EQ(chunks[0].size, 16u);
        EXPECT_EQ(ReadLittleEndianAt(file, fmt, 2), 1u);
        EXPECT_EQ(ReadLittleEndianAt(file, fmt + 2, 2), c.channels);
        EXPECT_EQ(ReadLittleEndianAt(file, fmt + 4, 4), 48000u);
        EXPECT_EQ(ReadLittleEndianAt(file, fmt + 8, 4), 48000u * c.blockAlign);
        EXPECT_EQ(ReadLittleEndianAt(file, fmt + 12, 2), c.blockAlign);
        EXPECT_EQ(ReadLittleEndianAt(file, fmt + 14, 2), static_cast<std::uint32_t>(c.bits));
        EXPECT_EQ(chunks[1].size, 0u);
    }
}

TEST(CFrameWriterImpl, LoopedFilesCarryTheSamplerChunkBetweenFormatAndData)
{
    const FormatInfo base = WithRoot(MakeFormat(1, 8), 60, -25);
    const std::vector<float> samples(300, 0.0f);

    const Bytes forward = NSSondrelTest::WriteWave(WithLoop(base, kLoopForward, 100, 200), samples);
    std::vector<Chunk> chunks = WalkChunks(forward);
    ASSERT_EQ(ChunkIds(chunks), (std::vector<std::string>{"fmt ", "smpl", "data"}));
    EXPECT_EQ(chunks[1].size, 60u);
    EXPECT_EQ(ReadLittleEndianAt(forward, chunks[1].offset + 12, 4), 59u);
    EXPECT_EQ(ReadLittleEndianAt(forward, chunks[1].offset + 16, 4), 0xC0000000u);
    EXPECT_EQ(ReadLittleEndianAt(forward, chunks[1].offset + 36 + 4, 4), 0u);
    EXPECT_EQ(ReadLittleEndianAt(forward, chunks[1].offset + 36 + 8, 4), 100u);
    EXPECT_EQ(ReadLittleEndianAt(forward, chunks[1].offset + 36 + 12, 4), 199u);

    const Bytes backward = NSSondrelTest::WriteWave(WithLoop(base, kLoopBackward, 100, 200), samples);
    chunks = WalkChunks(backward);
    ASSERT_EQ(ChunkIds(chunks), (std::vector<std::string>{"fmt ", "smpl", "data"}));
    EXPECT_EQ(chunks[1].size, 36u);
    EXPECT_EQ(ReadLittleEndianAt(backward, chunks[1].offset + 28, 4), 0u);
}

TEST(CFrameWriterImpl, OddEightBitDataIsPadded)
{
    const Bytes file = NSSondrelTest::WriteWave(MakeFormat(1, 8), {0.0f, 65536.0f, -65536.0f});
    const std::vector<Chunk> chunks = WalkChunks(file);
    ASSERT_EQ(ChunkIds(chunks), (std::vector<std::string>{"fmt ", "data"}));
    EXPECT_EQ(chunks[1].size, 3u);
    EXPECT_EQ(file.size(), chunks[1].offset + 4);
    EXPECT_EQ(Bytes(file.begin() + chunks[1].offset, file.end()), (Bytes{0x80, 0x81, 0x7F, 0x00}));
}

TEST(CFrameWriterImpl, FramesArriveInAnyNumberOfCallsAndCrossBlocks)
{
    // More samples than one conversion block holds, so the block loop runs several times.
    std::vector<float> samples(2 * 40000);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<float>(static_cast<std::int32_t>(i % 65536) * 256 - 8388608);
    }
    CSondrelImpl library;
    CMemoryByteWriter sink;
    const FormatInfo info = MakeFormat(2, 16);
    std::int32_t status = 0;
    std::unique_ptr<IFrameWriter> writer(library.CreateFrameWriter(&sink, &info, &status));
    ASSERT_EQ(status, kSondrelSuccess);
    EXPECT_EQ(writer->WriteFrames(1, samples.data()), kSondrelSuccess);
    EXPECT_EQ(writer->WriteFrames(0, samples.data()), kSondrelSuccess);
    EXPECT_EQ(writer->WriteFrames(39999, samples.data() + 2), kSondrelSuccess);
    EXPECT_EQ(writer->Close(), kSondrelSuccess);

    const Bytes& file = sink.GetBytes();
    ASSERT_EQ(file.size(), 44u + 4 * 40000);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto stored = static_cast<std::int16_t>(ReadLittleEndianAt(file, 44 + 2 * i, 2));
        ASSERT_EQ(stored * 256, static_cast<std::int32_t>(samples[i])) << i;
    }
}

class CFrameWriterSequence : public testing::Test
{
protected:
    std::unique_ptr<IFrameWriter> Create(const FormatInfo& info)
    {
        std::int32_t status = 0;
        std::unique_ptr<IFrameWriter> writer(mLibrary.CreateFrameWriter(&mSink, &info, &status));
        EXPECT_EQ(status, kSondrelSuccess);
        return writer;
    }

    CSondrelImpl mLibrary;
    CMemoryByteWriter mSink;
    std::vector<float> mSamples = std::vector<float>(400, 0.0f);
};

TEST_F(CFrameWriterSequence, CloseBelowTheLoopEndLeavesTheWriterOpen)
{
    std::unique_ptr<IFrameWriter> writer = Create(WithLoop(MakeFormat(1, 16), kLoopForward, 10, 200));
    ASSERT_TRUE(writer);
    EXPECT_EQ(writer->WriteFrames(199, mSamples.data()), kSondrelSuccess);
    const std::int32_t callsBefore = mSink.GetCallCount();
    EXPECT_EQ(writer->Close(), kSondrelSequenceError);
    EXPECT_EQ(mSink.GetCallCount(), callsBefore);
    EXPECT_EQ(writer->WriteFrames(1, mSamples.data()), kSondrelSuccess);
    EXPECT_EQ(writer->Close(), kSondrelSuccess);
    EXPECT_EQ(writer->WriteFrames(1, mSamples.data()), kSondrelSequenceError);
    EXPECT_EQ(writer->Close(), kSondrelSequenceError);
    EXPECT_EQ(writer->WriteFrames(1, nullptr), kSondrelSequenceError);
}

TEST_F(CFrameWriterSequence, RefusesBadArgumentsWithoutWriting)
{
    std::unique_ptr<IFrameWriter> writer = Create(MakeFormat(2, 24));
    ASSERT_TRUE(writer);
    const std::int32_t callsBefore = mSink.GetCallCount();
    EXPECT_EQ(writer->WriteFrames(1, nullptr), kSondrelInvalidArgument);
    EXPECT_EQ(writer->WriteFrames(0, nullptr), kSondrelInvalidArgument);
    EXPECT_EQ(writer->WriteFrames(-1, mSamples.data()), kSondrelInvalidArgument);
    EXPECT_EQ(writer->WriteFrames(0, mSamples.data()), kSondrelSuccess);
    EXPECT_EQ(mSink.GetCallCount(), callsBefore);
    EXPECT_EQ(writer->IsValid(), 1);
}

TEST_F(CFrameWriterSequence, DeletingAnUnclosedWriterWritesNothingMore)
{
    std::unique_ptr<IFrameWriter> writer = Create(WithLoop(MakeFormat(2, 8), kLoopForward, 0, 2));
    ASSERT_TRUE(writer);
    EXPECT_EQ(writer->WriteFrames(3, mSamples.data()), kSondrelSuccess);
    const std::int32_t callsBefore = mSink.GetCallCount();
    writer.reset();
    EXPECT_EQ(mSink.GetCallCount(), callsBefore);
}

// A writer that stores nothing, for sizes that cannot be held in memory.
class CCountingByteWriter : public IByteWriter
{
public:
    std::int32_t Write(std::int64_t position, std::int64_t length, const void*) noexcept override
    {
        ++mWriteCount;
        mEnd = std::max(mEnd, position + length);
        return kByteWriterSuccess;
    }
    std::int32_t GetSize(std::int64_t* sizeInBytes) noexcept override
    {
        *sizeInBytes = mEnd;
        return kByteWriterSuccess;
    }
    std::int32_t mWriteCount = 0;
    std::int64_t mEnd = 0;
};

// 400 000 000 stereo 24-bit frames are 2.4 GB: frames times channels times width must not wrap in
// 32 bits, and the file may not grow past the media family's range.
TEST(CFrameWriterImpl, RefusesFramesThatWouldGrowTheFilePastTwoGigabytes)
{
    CSondrelImpl library;
    CCountingByteWriter sink;
    const FormatInfo info = MakeFormat(2, 24);
    std::int32_t status = 0;
    std::unique_ptr<IFrameWriter> writer(library.CreateFrameWriter(&sink, &info, &status));
    ASSERT_EQ(status, kSondrelSuccess);
    const std::int32_t writesBefore = sink.mWriteCount;
    const float sample = 0.0f;
    for (std::int32_t frameCount : {400000000, 0x7FFFFFFF, 0x55555556}) {
        SCOPED_TRACE(frameCount);
        EXPECT_EQ(writer->WriteFrames(frameCount, &sample), kSondrelUnsupportedFormat);
    }
    EXPECT_EQ(sink.mWriteCount, writesBefore);
    EXPECT_EQ(writer->Close(), kSondrelSuccess);
}

} // namespace
