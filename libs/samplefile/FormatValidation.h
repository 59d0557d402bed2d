#pragma once

#include "libs/samplefile/Sondrel.h"

#include <cstdint>

namespace NSSondrel {

// The part of a WAVE "fmt " chunk that PCM needs, and its format tag.
constexpr std::int32_t kFormatChunkSizeInBytes = 16;
constexpr std::uint16_t kFormatTagPcm = 1;

enum class EValidation { kLenient, kStrict };

// True when the record describes a file the library can write or read. The strict form also wants the
// loop inside the frame count; writer creation is lenient because the writer counts frames as they come.
bool ValidateFormatInfo(const FormatInfo& info, EValidation validation);

// 1 for 8 bits, 2 for 16, 3 for 20, 22 and 24: the stored width of one sample.
std::int32_t GetBytesPerSample(std::int32_t bitsPerSample);

bool IsSupportedBitDepth(std::int32_t bitsPerSample);

} // namespace NSSondrel
