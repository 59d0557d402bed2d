#pragma once

// Helpers of the core tests: writing and opening WAVE files through the library object, and building
// WAVE files by hand, chunk by chunk, for the reader.

#include "libs/samplefile/Sondrel.h"
#include "libs/samplefile/SondrelImpl.h"
#include "libs/samplefile/tests/FakeByteStreams.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace NSSondrelTest {

using Bytes = std::vector<std::uint8_t>;

inline void AppendLittleEndian(Bytes& bytes, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

inline void AppendText(Bytes& bytes, const char* text)
{
    bytes.insert(bytes.end(), text, text + std::char_traits<char>::length(text));
}

inline std::uint32_t ReadLittleEndianAt(const Bytes& bytes, std::size_t offset, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) {
        value = value << 8 | bytes.at(offset + i);
    }
    return value;
}

// The 16 bytes of a PCM "fmt " chunk as another writer would store them.
inline Bytes MakeFmt(std::uint32_t channels, std::uint32_t bits, std::uint32_t rate = 44100, std::uint32_t tag = 1)
{
    const std::uint32_t blockAlign = channels * ((bits + 7) / 8);
    Bytes fmt;
    AppendLittleEndian(fmt, tag, 2);
    AppendLittleEndian(fmt, channels, 2);
    AppendLittleEndian(fmt, rate, 4);
    AppendLittleEndian(fmt, rate * blockAlign, 4);
    AppendLittleEndian(fmt, blockAlign, 2);
    AppendLittleEndian(fmt, bits, 2);
    return fmt;
}

// A "smpl" chunk's contents with one loop record per entry of loops (type, start, inclusive end).
struct SampleLoop
{
    std::uint32_t type;
    std::uint32_t start;
    std::uint32_t end;
};
inline Bytes MakeSmpl(std::uint32_t unityNote, std::uint32_t pitchFraction, const std::vector<SampleLoop>& loops,
                      std::uint32_t smpteFormat = 0, std::uint32_t storedLoopCount = UINT32_MAX,
                      std::uint32_t samplerDataSize = 0)
{
    Bytes smpl;
    for (std::uint32_t field : {0u, 0u, 22675u, unityNote, pitchFraction, smpteFormat, 0u,
                                storedLoopCount == UINT32_MAX ? static_cast<std::uint32_t>(loops.size()) : storedLoopCount,
                                samplerDataSize}) {
        AppendLittleEndian(smpl, field, 4);
    }
    for (const SampleLoop& loop : loops) {
        for (std::uint32_t field : {0u, loop.type, loop.start, loop.end, 0u, 0u}) {
            AppendLittleEndian(smpl, field, 4);
        }
    }
    return smpl;
}

// A RIFF/WAVE file from chunks, each padded to even length; the RIFF size is right unless overridden.
class CWaveBuilder
{
public:
    CWaveBuilder& Add(const char* id, const Bytes& contents)
    {
        AppendText(mBody, id);
        AppendLittleEndian(mBody, static_cast<std::uint32_t>(contents.size()), 4);
        mBody.insert(mBody.end(), contents.begin(), contents.end());
        if (contents.size() % 2 != 0) {
            mBody.push_back(0);
        }
        return *this;
    }

    // A chunk header whose stored size says something else than the bytes that follow.
    CWaveBuilder& AddWithSize(const char* id, std::uint32_t storedSize, const Bytes& contents)
    {
        AppendText(mBody, id);
        AppendLittleEndian(mBody, storedSize, 4);
        mBody.insert(mBody.end(), contents.begin(), contents.end());
        return *this;
    }

    Bytes Build(const char* groupId = "RIFF") const
    {
        Bytes file;
        AppendText(file, groupId);
        AppendLittleEndian(file, static_cast<std::uint32_t>(mBody.size() + 4), 4);
        AppendText(file, "WAVE");
        file.insert(file.end(), mBody.begin(), mBody.end());
        return file;
    }

private:
    Bytes mBody;
};

// Writes a whole file through the library object; fails the test on any status but success.
inline Bytes WriteWave(const NSSondrel::FormatInfo& info, const std::vector<float>& samples)
{
    NSSondrel::CSondrelImpl library;
    CMemoryByteWriter sink;
    std::int32_t status = 0;
    std::unique_ptr<NSSondrel::IFrameWriter> writer(library.CreateFrameWriter(&sink, &info, &status));
    EXPECT_EQ(status, NSSondrel::kSondrelSuccess);
    if (!writer) {
        return {};
    }
    if (!samples.empty()) {
        const auto frames = static_cast<std::int32_t>(samples.size() / info.channels);
        EXPECT_EQ(writer->WriteFrames(frames, samples.data()), NSSondrel::kSondrelSuccess);
    }
    EXPECT_EQ(writer->Close(), NSSondrel::kSondrelSuccess);
    return sink.GetBytes();
}

struct OpenedWave
{
    std::int32_t status = 0;
    NSSondrel::FormatInfo info{};
    std::unique_ptr<NSSondrel::IFrameReader> reader;
};

inline OpenedWave OpenWave(CMemoryByteReader& source)
{
    NSSondrel::CSondrelImpl library;
    OpenedWave opened;
    opened.reader.reset(library.CreateFrameReader(&source, source.GetSize(), &opened.info, &opened.status));
    return opened;
}

// All frames of an opened file, or an empty vector after a failing read.
inline std::vector<float> ReadAllFrames(OpenedWave& opened)
{
    std::vector<float> samples(static_cast<std::size_t>(opened.info.frameCount) * opened.info.channels);
    if (opened.reader->ReadFrames(0, samples.data(), opened.info.frameCount) != NSSondrel::kSondrelSuccess) {
        return {};
    }
    return samples;
}

} // namespace NSSondrelTest
