// The boundary through Sondrel.dll itself, bound by the load-time import as the program binds it.
// An exception escaping the DLL would end this program, so every row also shows that none does.

#include "libs/samplefile/Sondrel.h"
#include "libs/samplefile/tests/FakeByteStreams.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using namespace NSSondrel;
using NSSondrelTest::CMemoryByteReader;
using NSSondrelTest::CMemoryByteWriter;
using NSSondrelTest::MakeFormat;
using NSSondrelTest::WithLoop;

struct LibraryDeleter
{
    void operator()(ISondrel* library) const { delete library; }
};
using LibraryPointer = std::unique_ptr<ISondrel, LibraryDeleter>;

LibraryPointer CreateLibrary()
{
    std::int32_t status = 0;
    LibraryPointer library(Sondrel_Create("ISondrel", &status));
    EXPECT_EQ(status, kSondrelSuccess);
    return library;
}

TEST(SondrelDll, CreateAnswersOnlyToItsInterfaceName)
{
    std::int32_t status = 0;
    LibraryPointer library(Sondrel_Create("ISondrel", &status));
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(status, kSondrelSuccess);
    EXPECT_NE(library->IsValid(), 0);
    EXPECT_EQ(library->SetDebugger(nullptr), kSondrelSuccess);

    const char kLongerName[] = "ISondrelX";
    const char kShorterName[] = {'I', 'S', 'o', 'n', 'd', 'r', 'e', '\0'}; // nothing readable after it
    for (const char* name : {kLongerName, kShorterName, "", "isondrel", static_cast<const char*>(nullptr)}) {
        SCOPED_TRACE(name != nullptr ? name : "null");
        status = 0;
        EXPECT_EQ(Sondrel_Create(name, &status), nullptr);
        EXPECT_EQ(status, kSondrelInvalidArgument);
    }
    EXPECT_EQ(Sondrel_Create("ISondrel", nullptr), nullptr);
}

TEST(SondrelDll, ByteReaderCodesBecomeStatusCodes)
{
    LibraryPointer library = CreateLibrary();
    ASSERT_TRUE(library);
    for (const auto& [code, expected] : {std::pair{5001, kSondrelOutOfMemory}, std::pair{5002, kSondrelReadFailure}}) {
        SCOPED_TRACE(code);
        CMemoryByteReader source(std::vector<std::uint8_t>(64, 0));
        source.FailFromCall(1, code);
        FormatInfo info{};
        std::int32_t status = 0;
        EXPECT_EQ(library->CreateFrameReader(&source, source.GetSize(), &info, &status), nullptr);
        EXPECT_EQ(status, expected);
    }
}

TEST(SondrelDll, ByteWriterCodesBecomeStatusCodesAtEveryStep)
{
    LibraryPointer library = CreateLibrary();
    ASSERT_TRUE(library);
    const FormatInfo info = MakeFormat(2, 16);
    const std::vector<float> samples(20, 256.0f);
    for (const auto& [code, expected] : {std::pair{6001, kSondrelOutOfMemory}, std::pair{6002, kSondrelWriteFailure}}) {
        SCOPED_TRACE(code);
        {
            CMemoryByteWriter sink;
            sink.FailFromCall(1, code);
            std::int32_t status = 0;
            EXPECT_EQ(library->CreateFrameWriter(&sink, &info, &status), nullptr);
            EXPECT_EQ(status, expected);
        }
        {
            CMemoryByteWriter sink;
            std::int32_t status = 0;
            std::unique_ptr<IFrameWriter> writer(library->CreateFrameWriter(&sink, &info, &status));
            ASSERT_EQ(status, kSondrelSuccess);
            sink.FailFromCall(sink.GetCallCount() + 1, code);
            EXPECT_EQ(writer->WriteFrames(10, samples.data()), expected);
        }
        {
            CMemoryByteWriter sink;
            std::int32_t status = 0;
            std::unique_ptr<IFrameWriter> writer(library->CreateFrameWriter(&sink, &info, &status));
            ASSERT_EQ(status, kSondrelSuccess);
            EXPECT_EQ(writer->WriteFrames(10, samples.data()), kSondrelSuccess);
            sink.FailFromCall(sink.GetCallCount() + 1, code);
            EXPECT_EQ(writer->Close(), expected);
        }
    }
}

TEST(SondrelDll, WriterCallsOutOfSequence)
{
    LibraryPointer library = CreateLibrary();
    ASSERT_TRUE(library);
    CMemoryByteWriter sink;
    const FormatInfo info = WithLoop(MakeFormat(1, 24), kLoopForward, 5, 10);
    std::int32_t status = 0;
    std::unique_ptr<IFrameWriter> writer(library->CreateFrameWriter(&sink, &info, &status));
    ASSERT_EQ(status, kSondrelSuccess);
    const std::vector<float> samples(10, -4096.0f);
    EXPECT_EQ(writer->WriteFrames(1, nullptr), kSondrelInvalidArgument);
    EXPECT_EQ(writer->WriteFrames(9, samples.data()), kSondrelSuccess);
    EXPECT_EQ(writer->Close(), kSondrelSequenceError);
    EXPECT_EQ(writer->WriteFrames(1, samples.data()), kSondrelSuccess);
    EXPECT_EQ(writer->Close(), kSondrelSuccess);
    EXPECT_EQ(writer->WriteFrames(1, samples.data()), kSondrelSequenceError);
    EXPECT_EQ(writer->Close(), kSondrelSequenceError);
}

TEST(SondrelDll, CreationRefusesBadArguments)
{
    LibraryPointer library = CreateLibrary();
    ASSERT_TRUE(library);
    CMemoryByteWriter sink;
    FormatInfo info = MakeFormat(3, 16);
    std::int32_t status = 0;
    EXPECT_EQ(library->CreateFrameWriter(&sink, &info, &status), nullptr);
    EXPECT_EQ(status, kSondrelInvalidArgument);
    info = MakeFormat(1, 16);
    status = 0;
    EXPECT_EQ(library->CreateFrameWriter(nullptr, &info, &status), nullptr);
    EXPECT_EQ(status, kSondrelInvalidArgument);
    status = 0;
    EXPECT_EQ(library->CreateFrameWriter(&sink, nullptr, &status), nullptr);
    EXPECT_EQ(status, kSondrelInvalidArgument);

    CMemoryByteReader source(std::vector<std::uint8_t>(64, 0));
    status = 0;
    EXPECT_EQ(library->CreateFrameReader(&source, -1, &info, &status), nullptr);
    EXPECT_EQ(status, kSondrelInvalidArgument);
    status = 0;
    EXPECT_EQ(library->CreateFrameReader(&source, source.GetSize(), &info, &status), nullptr);
    EXPECT_EQ(status, kSondrelBadFormat);
    EXPECT_EQ(sink.GetCallCount(), 0);
}

// The library object need not outlive what it made.
TEST(SondrelDll, WritesAndReadsBackAfterTheLibraryObjectIsGone)
{
    CMemoryByteWriter sink;
    std::unique_ptr<IFrameWriter> writer;
    const FormatInfo written = NSSondrelTest::WithRoot(WithLoop(MakeFormat(2, 16, 32000), kLoopForward, 2, 6), 60, -25);
    {
        LibraryPointer library = CreateLibrary();
        ASSERT_TRUE(library);
        std::int32_t status = 0;
        writer.reset(library->CreateFrameWriter(&sink, &written, &status));
        ASSERT_EQ(status, kSondrelSuccess);
    }
    const std::vector<float> samples = {-8388608.0f, 8388352.0f, 256.0f, -256.0f, 0.0f, 512.0f,
                                        1024.0f,     -1024.0f,   2048.0f, 4096.0f, 8192.0f, -8192.0f};
    EXPECT_EQ(writer->WriteFrames(6, samples.data()), kSondrelSuccess);
    EXPECT_EQ(writer->Close(), kSondrelSuccess);
    writer.reset();

    CMemoryByteReader source(sink.GetBytes());
    LibraryPointer library = CreateLibrary();
    ASSERT_TRUE(library);
    FormatInfo read{};
    std::int32_t status = 0;
    std::unique_ptr<IFrameReader> reader(library->CreateFrameReader(&source, source.GetSize(), &read, &status));
    ASSERT_EQ(status, kSondrelSuccess);
    library.reset();
    EXPECT_EQ(read.frameCount, 6);
    EXPECT_EQ(read.loopStart, 2u);
    EXPECT_EQ(read.loopEnd, 6u);
    EXPECT_EQ(read.rootKey, 60u);
    EXPECT_EQ(read.fineTune, -25);
    std::vector<float> readBack(12, 1.0f);
    EXPECT_EQ(reader->ReadFrames(0, readBack.data(), 6), kSondrelSuccess);
    EXPECT_EQ(readBack, samples);
}

} // namespace
