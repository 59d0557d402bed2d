#include "libs/samplefile/SondrelImpl.h"
#include "libs/samplefile/tests/FakeByteStreams.h"
#include "libs/samplefile/tests/WaveTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace NSSondrel;
using NSSondrelTest::AppendLittleEndian;
using NSSondrelTest::Bytes;
using NSSondrelTest::CMemoryByteReader;
using NSSondrelTest::CWaveBuilder;
using NSSondrelTest::MakeFmt;
using NSSondrelTest::MakeSmpl;

Bytes WithByte(Bytes bytes, std::size_t offset, std::uint8_t value)
{
    bytes.at(offset) = value;
    return bytes;
}

Bytes FmtWith(std::size_t offset, std::uint32_t value, int width)
{
    Bytes fmt = MakeFmt(2, 16);
    for (int i = 0; i < width; ++i) {
        fmt.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
    }
    return fmt;
}

Bytes ShortFmt()
{
    Bytes fmt = MakeFmt(2, 16);
    fmt.resize(14);
    return fmt;
}

Bytes WithRiffSize(Bytes file, std::uint32_t size)
{
    for (int i = 0; i < 4; ++i) {
        file.at(4 + i) = static_cast<std::uint8_t>(size >> (8 * i));
    }
    return file;
}

TEST(MalformedInput, EachCaseGivesItsStatus)
{
    const Bytes good = CWaveBuilder().Add("fmt ", MakeFmt(2, 16)).Add("data", Bytes(40, 0)).Build();
    const struct
    {
        const char* name;
        Bytes file;
        std::int32_t status;
    } kCases[] = {
        {"well formed", good, kSondrelSuccess},
        {"empty stream", Bytes(), kSondrelBadFormat},
        {"11 bytes", Bytes(good.begin(), good.begin() + 11), kSondrelBadFormat},
        {"RIFX", WithByte(good, 3, 'X'), kSondrelBadFormat},
        {"FORM", CWaveBuilder().Add("fmt ", MakeFmt(2, 16)).Build("FORM"), kSondrelBadFormat},
        {"RIFF size 3", WithRiffSize(good, 3), kSondrelBadFormat},
        {"chunk size 0xFFFFFFF8",
         CWaveBuilder().AddWithSize("junk", 0xFFFFFFF8u, Bytes(8, 0)).Add("fmt ", MakeFmt(2, 16)).Build(),
         kSondrelBadFormat},
        {"chunk size 0xFFFFFFF7",
         CWaveBuilder().AddWithSize("junk", 0xFFFFFFF7u, Bytes(8, 0)).Add("fmt ", MakeFmt(2, 16)).Build(),
         kSondrelBadFormat},
        {"chunk past the end", CWaveBuilder().AddWithSize("junk", 100, Bytes(8, 0)).Add("fmt ", MakeFmt(2, 16)).Build(),
         kSondrelBadFormat},
        {"no fmt", CWaveBuilder().Add("data", Bytes(4, 0)).Build(), kSondrelBadFormat},
        {"fmt of 14 bytes", CWaveBuilder().Add("fmt ", ShortFmt()).Build(), kSondrelBadFormat},
        {"channels 0", CWaveBuilder().Add("fmt ", FmtWith(2, 0, 2)).Build(), kSondrelBadFormat},
        {"rate 0", CWaveBuilder().Add("fmt ", FmtWith(4, 0, 4)).Build(), kSondrelBadFormat},
        {"average bytes 0", CWaveBuilder().Add("fmt ", FmtWith(8, 0, 4)).Build(), kSondrelBadFormat},
        {"channels 3", CWaveBuilder().Add("fmt ", FmtWith(2, 3, 2)).Build(), kSondrelUnsupportedFormat},
        {"format tag 3", CWaveBuilder().Add("fmt ", FmtWith(0, 3, 2)).Build(), kSondrelUnsupportedFormat},
        {"extensible format tag", CWaveBuilder().Add("fmt ", FmtWith(0, 0xFFFE, 2)).Build(), kSondrelUnsupportedFormat},
        {"12 bits", CWaveBuilder().Add("fmt ", FmtWith(14, 12, 2)).Build(), kSondrelUnsupportedFormat},
        {"truncated data",
         CWaveBuilder().Add("fmt ", MakeFmt(2, 16)).AddWithSize("data", 40, Bytes(20, 0)).Build(), kSondrelBadFormat},
        {"bad smpl is ignored",
         CWaveBuilder().Add("fmt ", MakeFmt(2, 16)).Add("smpl", MakeSmpl(60, 0, {{0, 1, 2}}, 31)).Build(),
         kSondrelSuccess},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        CMemoryByteReader source(c.file);
        NSSondrelTest::OpenedWave opened = NSSondrelTest::OpenWave(source);
        EXPECT_EQ(opened.status, c.status);
        EXPECT_EQ(opened.reader != nullptr, c.status == kSondrelSuccess);
        EXPECT_FALSE(source.WasAskedOutside());
    }
}

TEST(MalformedInput, BadSamplerChunksLeaveTheFileReadable)
{
    const Bytes kSamplerChunks[] = {
        MakeSmpl(60, 0, {{0, 1, 2}}, 31),
        MakeSmpl(200, 0, {{0, 1, 2}}),
        MakeSmpl(60, 0, {{0, 1, 2}}, 0, 0x0AAAAAABu, 0xFFFFFFF8u),
        MakeSmpl(60, 0, {}, 0, 0x0AAAAAABu, 0xFFFFFFF8u),
    };
    for (const Bytes& smpl : kSamplerChunks) {
        SCOPED_TRACE(smpl.size());
        CMemoryByteReader source(
            CWaveBuilder().Add("fmt ", MakeFmt(1, 16)).Add("smpl", smpl).Add("data", Bytes(20, 0)).Build());
        NSSondrelTest::OpenedWave opened = NSSondrelTest::OpenWave(source);
        ASSERT_EQ(opened.status, kSondrelSuccess);
        EXPECT_EQ(opened.info.loopMode, kLoopNone);
        EXPECT_EQ(opened.info.hasRoot, 0);
        EXPECT_EQ(NSSondrelTest::ReadAllFrames(opened).size(), 10u);
        EXPECT_FALSE(source.WasAskedOutside());
    }
}

// A stereo file with a loop and a root, which reaches every part of the parser.
Bytes MakeLoopedStereoFile()
{
    std::vector<float> samples;
    for (int i = 0; i < 2 * 40; ++i) {
        samples.push_back(static_cast<float>((i * 7919) % 65536 * 256 - 8388608));
    }
    const FormatInfo info = NSSondrelTest::WithLoop(NSSondrelTest::WithRoot(NSSondrelTest::MakeFormat(2, 24), 64, -13),
                                                    kLoopForward, 5, 30, kAlternateYes);
    return NSSondrelTest::WriteWave(info, samples);
}

// Whatever the damage, the answer is a status code, the stream is never asked for bytes outside its
// size, and every frame the reader admits to can be read.
void ExpectStatusAndNoStrayRead(const Bytes& file)
{
    CMemoryByteReader source(file);
    NSSondrelTest::OpenedWave opened = NSSondrelTest::OpenWave(source);
    ASSERT_TRUE(opened.status == kSondrelSuccess || opened.status == kSondrelBadFormat ||
                opened.status == kSondrelUnsupportedFormat)
        << opened.status;
    if (opened.reader && opened.info.frameCount > 0) {
        std::vector<float> samples(static_cast<std::size_t>(opened.info.frameCount) * opened.info.channels);
        EXPECT_EQ(opened.reader->ReadFrames(0, samples.data(), opened.info.frameCount), kSondrelSuccess);
    }
    EXPECT_FALSE(source.WasAskedOutside());
}

TEST(MalformedInput, EveryPrefixOfALoopedStereoFile)
{
    const Bytes file = MakeLoopedStereoFile();
    for (std::size_t length = 0; length <= file.size(); ++length) {
        SCOPED_TRACE(length);
        ExpectStatusAndNoStrayRead(Bytes(file.begin(), file.begin() + length));
    }
}

TEST(MalformedInput, EverySingleByteChangeInTheFirst120Bytes)
{
    const Bytes file = MakeLoopedStereoFile();
    ASSERT_GE(file.size(), 120u);
    for (std::size_t offset = 0; offset < 120; ++offset) {
        for (int value = 0; value < 256; ++value) {
            if (value == file[offset]) {
                continue;
            }
            SCOPED_TRACE(testing::Message() << offset << " = " << value);
            ExpectStatusAndNoStrayRead(WithByte(file, offset, static_cast<std::uint8_t>(value)));
            if (testing::Test::HasFatalFailure()) {
                return;
            }
        }
    }
}

} // namespace
