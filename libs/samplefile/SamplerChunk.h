#pragma once

// The WAVE "smpl" chunk as this library writes and reads it: a 36-byte header of nine little-endian
// 32-bit fields, then 24-byte loop records. Of the loops only the first is written or read.

#include "libs/samplefile/Sondrel.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace NSSondrel {

constexpr std::int32_t kSamplerHeaderSizeInBytes = 36;
constexpr std::int32_t kSampleLoopSizeInBytes = 24;

// Unity pitch as "smpl" stores it: a MIDI note and an unsigned fraction of a semitone above it.
struct UnityPitch
{
    std::uint32_t unityNote;
    std::uint32_t pitchFraction;
};

// A root key and fine tune in cents; the pair read back from what EncodeUnityPitch stores.
struct RootPitch
{
    std::uint32_t rootKey;
    std::int32_t fineTune;
};

// A negative fine tune is stored as the note below plus a fraction; below note 0 there is none, so
// root 0 with a negative fine tune is stored as note 0, fraction 0.
UnityPitch EncodeUnityPitch(std::uint32_t rootKey, std::int32_t fineTune);
RootPitch DecodeUnityPitch(const UnityPitch& stored);

// The chunk's bytes for a loop mode other than none: the header alone for a backward loop, which has no
// loop record, and header plus one loop record for a forward loop.
std::vector<std::uint8_t> BuildSamplerChunk(const FormatInfo& info);

// What a "smpl" chunk says about loop and root, in FormatInfo's terms.
struct SamplerSettings
{
    std::int32_t loopMode = kLoopNone;
    std::int32_t alternate = kAlternateNo;
    std::uint32_t loopStart = 0;
    std::uint32_t loopEnd = 0;
    bool hasRoot = false;
    RootPitch root = {kNoRootKey, kNoFineTune};
};

// The number of loops in a 36-byte header; the reader needs it to fetch the first loop record.
std::uint32_t GetSampleLoopCount(const std::uint8_t* header);

// Checks the header against the chunk's size in 64 bits (a huge loop count must not wrap into a pass).
// Returns nothing for a malformed header, which the reader ignores as a whole. firstLoop is the first
// 24-byte loop record, or null when the header counts no loops.
std::optional<SamplerSettings> ParseSamplerChunk(const std::uint8_t* header, std::int64_t chunkSizeInBytes,
                                                 const std::uint8_t* firstLoop);

} // namespace NSSondrel
