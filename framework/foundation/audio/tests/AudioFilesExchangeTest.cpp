// Sample files exchanged with readers and writers outside the framework. CTest runs a script that makes
// files with sox and notes what python reads from them before these tests, and checks the files these
// tests leave with python's wave and aifc modules, soxi and sndfile-info afterwards. The folder comes in
// DRAVIM_AUDIO_FILES.

#include "framework/foundation/audio/AIFFFile.h"
#include "framework/foundation/audio/LoopSlicerFiles.h"
#include "framework/foundation/audio/WAVEFile.h"
#include "framework/foundation/audio/WaveSample.h"

#include "framework/foundation/audio/tests/LoopSlicerTestSupport.h"
#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace NSTramvell;
using namespace NSAudioTests;
using NSChunkTests::MediaWith;

std::string FilePath(const std::string& name)
{
    const char* folder = std::getenv("DRAVIM_AUDIO_FILES");
    if (folder == nullptr || *folder == '\0')
        ADD_FAILURE() << "DRAVIM_AUDIO_FILES names no folder; run these tests through CTest";
    return std::string(folder != nullptr ? folder : ".") + "/" + name;
}

TBytes Load(const std::string& name)
{
    std::ifstream file(FilePath(name), std::ios::binary);
    EXPECT_TRUE(file.good()) << "missing " << name;
    return TBytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

void Save(const std::string& name, const TBytes& bytes)
{
    std::ofstream file(FilePath(name), std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(file.good()) << name;
}

TSamples LoadSamples(const std::string& name)
{
    const TBytes bytes = Load(name);
    TSamples values(bytes.size() / 2);
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<std::int16_t>(ReadLittleEndian16(bytes.data() + 2 * i));
    return values;
}

bool IsWAVE(const std::string& name)
{
    return name.size() > 4 && name.compare(name.size() - 4, 4, ".wav") == 0;
}

TEST(AudioFilesExchange, SoxFilesReadAsPythonReadsThem)
{
    std::ifstream listing(FilePath("sox-audio.txt"));
    ASSERT_TRUE(listing.good());
    int files = 0;
    for (std::string line; std::getline(listing, line);) {
        std::istringstream fields(line);
        std::string name;
        std::string outcome;
        std::getline(fields, name, '|');
        std::getline(fields, outcome, '|');
        SCOPED_TRACE(name);
        ++files;
        COwnedMemoryMedia file = MediaWith(Load(name));
        if (outcome == "unsupported") {
            EXPECT_THROW(ReadWAVEParams(file), XUnsupportedFormat);
            continue;
        }
        char separator = 0;
        int channels = 0;
        int bits = 0;
        std::uint32_t rate = 0;
        int frames = 0;
        fields >> channels >> separator >> bits >> separator >> rate >> separator >> frames;
        const CWaveSampleDescription read = IsWAVE(name) ? ReadWAVEParams(file) : ReadAIFFParams(file);
        EXPECT_EQ(read.mChannelCount, channels);
        EXPECT_EQ(read.mBitsPerSample, bits);
        EXPECT_EQ(read.mSampleRate, rate);
        EXPECT_EQ(read.mFrameCount, frames);
        auto sample = IsWAVE(name) ? ReadWAVESample(file) : ReadAIFFSample(file, 16);
        EXPECT_EQ(ValuesOf(*sample), LoadSamples(name + ".s16"));
    }
    EXPECT_EQ(files, 10);
}

// A sox AIFF with an application chunk added after its sound: the audio and the record both read.
TEST(AudioFilesExchange, SlicedLoopInASoxFile)
{
    TBytes bytes = Load("sox-mono16.aiff") + ApplicationChunk("JVQ ", SlicedLoopRecord(3));
    WriteBigEndian32(bytes.data() + 4, static_cast<std::uint32_t>(bytes.size() - 8));
    COwnedMemoryMedia file = MediaWith(bytes);
    const auto loop = ReadSlicedLoop(file);
    EXPECT_EQ(loop->mSliceCount, 3);
    EXPECT_EQ(loop->mSlices[2].mValues[2], 0x100008u);
    EXPECT_EQ(ValuesOf(*ReadAIFFSample(file, 16)), LoadSamples("sox-mono16.aiff.s16"));
}

struct CWrittenFile
{
    const char* name;
    std::int16_t channels;
    std::int32_t bits;
    std::uint32_t rate;
    std::int32_t frames;
    bool withInfo;
    std::int32_t alternating;
    std::int32_t loopStart;
    std::int32_t loopEnd;
    std::uint8_t rootKey;
    bool keyRange;
};

// The files check_audio_files.py expects, with the same parameters.
TEST(AudioFilesExchange, WritesFilesForTheIndependentReaders)
{
    const CWrittenFile kFiles[] = {
        {"ours-stereo16.wav", 2, 16, 44100, 1500, true, 0, 100, 900, 62, false},
        {"ours-mono8.wav", 1, 8, 11025, 777, true, 1, 10, 700, 48, false},
        {"ours-mono24.wav", 1, 24, 48000, 300, false, 0, 0, 0, 0, false},
        {"ours-stereo16.aiff", 2, 16, 44100, 1500, true, 0, 100, 900, 62, true},
        {"ours-mono8.aiff", 1, 8, 11025, 777, true, 1, 10, 700, 48, false},
        {"ours-stereo24.aiff", 2, 24, 22050, 300, false, 0, 0, 0, 0, false},
    };
    for (const CWrittenFile& written : kFiles) {
        SCOPED_TRACE(written.name);
        const TSamples values = SamplePattern(static_cast<std::size_t>(written.frames) * written.channels,
                                              written.bits);
        auto sample = MakeSample(written.channels, written.rate, 16, values);
        CSampleInfo info;
        info.mLoopMode = kLoopModeLooping;
        info.mAlternating = written.alternating;
        info.mLoopStart = written.loopStart;
        info.mLoopEnd = written.loopEnd;
        info.mTuningPresent = 1;
        info.mRootKey = written.rootKey;
        info.mKeyRangePresent = written.keyRange ? 1 : 0;
        info.mLowKey = 40;
        info.mHighKey = 80;
        COwnedMemoryMedia file;
        if (IsWAVE(written.name))
            WriteWAVE(file, *sample, written.withInfo ? &info : nullptr, written.bits);
        else
            WriteAIFF(file, *sample, written.withInfo ? &info : nullptr, written.bits);
        Save(written.name, NSChunkTests::ContentsOf(file));
        TBytes samples;
        for (const std::int16_t value : values) {
            const TBytes stored = LittleEndian16(static_cast<std::uint16_t>(value));
            samples.insert(samples.end(), stored.begin(), stored.end());
        }
        Save(std::string(written.name) + ".s16", samples);
    }
}

} // namespace
