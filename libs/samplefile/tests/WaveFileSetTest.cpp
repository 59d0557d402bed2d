// Leaves a set of written WAVE files in the test's working directory, with a manifest and each file's
// expected PCM, for check_wave_files.py to read with independent readers.

#include "libs/samplefile/tests/FakeByteStreams.h"
#include "libs/samplefile/tests/WaveTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace NSSondrel;
using NSSondrelTest::Bytes;

const char kFolder[] = "sondrel-written-files";

struct FileCase
{
    const char* name;
    std::uint32_t channels;
    std::int32_t bits;
    std::int32_t frameCount;
    std::int32_t loopMode;
    std::int32_t alternate;
    std::uint32_t loopStart;
    std::uint32_t loopEnd;
    std::int32_t hasRoot;
    std::uint32_t rootKey;
    std::int32_t fineTune;
    // What "smpl" must hold, worked out by hand.
    std::uint32_t unityNote;
    std::uint32_t pitchFraction;
};

const FileCase kFiles[] = {
    {"mono8-odd", 1, 8, 101, kLoopNone, kAlternateNo, 0, 0, 0, 0, 0, 0, 0},
    {"stereo8-forward", 2, 8, 100, kLoopForward, kAlternateNo, 10, 90, 0, 0, 0, 60, 0},
    {"mono16", 1, 16, 250, kLoopNone, kAlternateNo, 0, 0, 1, 60, -25, 0, 0},
    {"stereo16-alternating", 2, 16, 250, kLoopForward, kAlternateYes, 0, 250, 1, 60, -25, 59, 0xC0000000u},
    {"mono20-forward", 1, 20, 300, kLoopForward, kAlternateNo, 100, 200, 1, 127, 50, 127, 0x80000000u},
    {"stereo20-backward", 2, 20, 300, kLoopBackward, kAlternateNo, 100, 200, 1, 60, -25, 59, 0xC0000000u},
    {"mono22", 1, 22, 120, kLoopNone, kAlternateNo, 0, 0, 0, 0, 0, 0, 0},
    {"mono24-backward", 1, 24, 333, kLoopBackward, kAlternateYes, 1, 2, 0, 0, 0, 60, 0},
    {"stereo24-alternating", 2, 24, 333, kLoopForward, kAlternateYes, 3, 333, 1, 127, 50, 127, 0x80000000u},
};

// Integers on the stored width's grid, so the expected PCM follows from them exactly.
std::vector<std::int32_t> MakeInput(const FileCase& c)
{
    const std::int32_t step = 1 << (24 - c.bits);
    std::vector<std::int32_t> values;
    for (std::int32_t i = 0; i < c.frameCount * static_cast<std::int32_t>(c.channels); ++i) {
        const std::int64_t point = (std::int64_t{i} * 40503 + 12345) % ((std::int64_t{1} << 24) / step);
        values.push_back(static_cast<std::int32_t>(point * step - 8388608));
    }
    return values;
}

Bytes ExpectedPcm(const FileCase& c, const std::vector<std::int32_t>& values)
{
    Bytes pcm;
    for (std::int32_t v : values) {
        if (c.bits == 8) {
            pcm.push_back(static_cast<std::uint8_t>(v / 65536 + 128));
        } else if (c.bits == 16) {
            NSSondrelTest::AppendLittleEndian(pcm, static_cast<std::uint32_t>(v / 256), 2);
        } else {
            NSSondrelTest::AppendLittleEndian(pcm, static_cast<std::uint32_t>(v), 3);
        }
    }
    return pcm;
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

TEST(WaveFileSet, WritesTheFilesForTheIndependentReaders)
{
    const std::filesystem::path folder(kFolder);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::ostringstream manifest;
    for (const FileCase& c : kFiles) {
        SCOPED_TRACE(c.name);
        FormatInfo info = NSSondrelTest::MakeFormat(c.channels, c.bits, 22050);
        info = NSSondrelTest::WithLoop(info, c.loopMode, c.loopStart, c.loopEnd, c.alternate);
        if (c.hasRoot != 0) {
            info = NSSondrelTest::WithRoot(info, c.rootKey, c.fineTune);
        }
        const std::vector<std::int32_t> values = MakeInput(c);
        const std::vector<float> samples(values.begin(), values.end());
        const Bytes file = NSSondrelTest::WriteWave(info, samples);
        ASSERT_FALSE(file.empty());
        WriteFile(folder / (std::string(c.name) + ".wav"), file);
        WriteFile(folder / (std::string(c.name) + ".pcm"), ExpectedPcm(c, values));
        manifest << c.name << ' ' << c.channels << ' ' << c.bits << ' ' << info.sampleRate << ' ' << c.frameCount
                 << ' ' << c.loopMode << ' ' << c.alternate << ' ' << c.loopStart << ' ' << c.loopEnd << ' '
                 << c.unityNote << ' ' << c.pitchFraction << '\n';
    }
    std::ofstream out(folder / "manifest.txt");
    out << manifest.str();
    ASSERT_TRUE(out.good());
}

} // namespace
