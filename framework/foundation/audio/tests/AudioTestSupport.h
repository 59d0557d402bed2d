#pragma once

// Samples with known values for the audio tests.

#include "framework/foundation/audio/WaveSample.h"
#include "framework/foundation/chunks/tests/ChunkTestSupport.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace NSAudioTests {

using NSChunkTests::TBytes;
using NSChunkTests::operator+;
using TSamples = std::vector<std::int16_t>;

inline TBytes LittleEndian16(std::uint16_t value)
{
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
}

inline TBytes BigEndian16(std::uint16_t value)
{
    return {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

// A chunk with its header and pad byte, sizes in the file's byte order.
inline TBytes Chunk(const std::string& id, const TBytes& data, bool bigEndian)
{
    const auto size = static_cast<std::uint32_t>(data.size());
    TBytes chunk = NSChunkTests::Text(id) +
                   (bigEndian ? NSChunkTests::BigEndian(size) : NSChunkTests::LittleEndian(size)) + data;
    if (data.size() % 2 != 0)
        chunk.push_back(0);
    return chunk;
}

inline TBytes RIFFChunk(const std::string& id, const TBytes& data)
{
    return Chunk(id, data, false);
}

inline TBytes IFFChunk(const std::string& id, const TBytes& data)
{
    return Chunk(id, data, true);
}

inline TBytes WAVEFile(const TBytes& chunks)
{
    return RIFFChunk("RIFF", NSChunkTests::Text("WAVE") + chunks);
}

inline TBytes AIFFFile(const TBytes& chunks, const std::string& type = "AIFF")
{
    return IFFChunk("FORM", NSChunkTests::Text(type) + chunks);
}

inline TBytes FormatChunk(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits)
{
    const std::uint32_t blockAlign = channels * bits / 8;
    return RIFFChunk("fmt ", LittleEndian16(tag) + LittleEndian16(channels) + NSChunkTests::LittleEndian(rate) +
                                 NSChunkTests::LittleEndian(rate * blockAlign) +
                                 LittleEndian16(static_cast<std::uint16_t>(blockAlign)) + LittleEndian16(bits));
}

// "smpl" with the header fields that matter here and the given loop records of (type, start, end).
struct CStoredLoop
{
    std::uint32_t type;
    std::uint32_t start;
    std::uint32_t end;
};

inline TBytes SamplerChunk(std::uint32_t unityNote, std::uint32_t pitchFraction, const std::vector<CStoredLoop>& loops,
                           std::uint32_t smpteFormat = 0, std::int64_t loopCount = -1)
{
    using NSChunkTests::LittleEndian;
    TBytes data = LittleEndian(0) + LittleEndian(0) + LittleEndian(22675) + LittleEndian(unityNote) +
                  LittleEndian(pitchFraction) + LittleEndian(smpteFormat) + LittleEndian(0) +
                  LittleEndian(static_cast<std::uint32_t>(loopCount >= 0 ? loopCount : loops.size())) + LittleEndian(0);
    for (const CStoredLoop& loop : loops)
        data = data + LittleEndian(0) + LittleEndian(loop.type) + LittleEndian(loop.start) + LittleEndian(loop.end) +
               LittleEndian(0) + LittleEndian(0);
    return RIFFChunk("smpl", data);
}

// Values that reach both ends of the 16-bit range and differ from their neighbours, so that a swapped
// channel, a shifted frame or a lost byte shows.
inline TSamples SamplePattern(std::size_t count, std::int32_t seed = 7)
{
    TSamples values(count);
    for (std::size_t i = 0; i < count; ++i)
        values[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(i * 2654435761u + seed * 40503u));
    if (count > 1) {
        values[0] = -32768;
        values[1] = 32767;
    }
    return values;
}

// Interleaved values in, one sample out.
inline std::unique_ptr<NSTramvell::CWaveSample> MakeSample(std::int16_t channelCount, std::uint32_t rate,
                                                           std::int32_t bits, const TSamples& interleaved)
{
    const auto frameCount = static_cast<std::int32_t>(interleaved.size() / channelCount);
    auto sample = std::make_unique<NSTramvell::CWaveSample>(
        NSTramvell::CWaveSampleParams(channelCount, bits, rate, frameCount));
    sample->Write16BitStereoFrames(0, frameCount, interleaved.data());
    return sample;
}

// What 16-bit values become after a trip through a file of the given depth: 8 bits keep the high byte.
inline TSamples KeptAtDepth(const TSamples& values, std::int32_t bits)
{
    TSamples kept = values;
    if (bits == 8) {
        for (std::int16_t& value : kept)
            value = static_cast<std::int16_t>(static_cast<std::uint16_t>(value) & 0xFF00);
    }
    return kept;
}

inline TSamples ValuesOf(NSTramvell::CWaveSample& sample)
{
    TSamples values(static_cast<std::size_t>(sample.GetFrameCount()) * sample.GetChannelCount());
    sample.Read16BitStereoFrames(0, sample.GetFrameCount(), values.data());
    return values;
}

} // namespace NSAudioTests
