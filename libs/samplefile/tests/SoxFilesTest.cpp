// Reads WAVE files that sox made at test time (make_sox_files.py) and compares with what soxi and sox
// say about them.

#include "libs/samplefile/tests/FakeByteStreams.h"
#include "libs/samplefile/tests/WaveTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace NSSondrel;
using NSSondrelTest::Bytes;

const char kFolder[] = "sondrel-sox-files";

Bytes ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << path;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// sox's raw output keeps the file's encoding: unsigned 8 bits, signed little-endian 16 and 24 bits.
std::vector<float> RawToTwentyFourBitScale(const Bytes& raw, std::int32_t bits)
{
    const std::size_t width = static_cast<std::size_t>(bits / 8);
    std::vector<float> samples;
    for (std::size_t offset = 0; offset + width <= raw.size(); offset += width) {
        std::int32_t value = 0;
        if (bits == 8) {
            value = (raw[offset] - 128) * 65536;
        } else if (bits == 16) {
            value = static_cast<std::int16_t>(NSSondrelTest::ReadLittleEndianAt(raw, offset, 2)) * 256;
        } else {
            value = static_cast<std::int32_t>(NSSondrelTest::ReadLittleEndianAt(raw, offset, 3) << 8) / 256;
        }
        samples.push_back(static_cast<float>(value));
    }
    return samples;
}

TEST(SoxFiles, OpenWithWhatSoxiReportsAndReadSoxsSamples)
{
    const std::filesystem::path folder(kFolder);
    std::ifstream manifest(folder / "manifest.txt");
    ASSERT_TRUE(manifest.good()) << "run through CTest: the sondrel_sox_files step makes the files";
    std::string line;
    int fileCount = 0;
    while (std::getline(manifest, line)) {
        std::istringstream fields(line);
        std::string name;
        std::uint32_t channels = 0;
        std::int32_t bits = 0;
        std::int32_t rate = 0;
        std::int32_t frameCount = 0;
        fields >> name >> channels >> bits >> rate >> frameCount;
        SCOPED_TRACE(name);
        ++fileCount;

        NSSondrelTest::CMemoryByteReader source(ReadFile(folder / (name + ".wav")));
        NSSondrelTest::OpenedWave opened = NSSondrelTest::OpenWave(source);
        ASSERT_EQ(opened.status, kSondrelSuccess);
        EXPECT_EQ(opened.info.channels, channels);
        EXPECT_EQ(opened.info.bitsPerSample, bits);
        EXPECT_EQ(opened.info.sampleRate, rate);
        EXPECT_EQ(opened.info.frameCount, frameCount);
        EXPECT_EQ(opened.info.loopMode, kLoopNone);
        EXPECT_EQ(opened.info.hasRoot, 0);

        const std::vector<float> expected = RawToTwentyFourBitScale(ReadFile(folder / (name + ".raw")), bits);
        ASSERT_EQ(expected.size(), static_cast<std::size_t>(frameCount) * channels);
        EXPECT_EQ(NSSondrelTest::ReadAllFrames(opened), expected);
    }
    EXPECT_EQ(fileCount, 6);
}

} // namespace
