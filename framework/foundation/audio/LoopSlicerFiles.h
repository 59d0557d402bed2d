#pragma once

// The two AIFF files of the loop-slicing product, which carry their slice data in the "APPL" chunk: the
// sliced loop (signature "JVQ ") and the loop-slicer document (signature "FnDr", file type FNDO, ".fnd").
// The audio is plain AIFF and is read as such. Only the byte layout of the records is ours to keep; what
// the header values, byte values and flags mean is the product's.

#include "framework/foundation/modules/Version.h"

#include <array>
#include <cstdint>
#include <memory>

namespace NSTramvell {

class CFileSpec;
class CMedia;

constexpr std::int32_t kMaximumLoopSlices = 1000;
constexpr std::int32_t kSlicedLoopSizeInBytes = 13016;
constexpr std::int32_t kLoopSlicerDocumentSizeInBytes = 8160;

struct CSlicedLoopSlice
{
    std::array<std::uint32_t, 3> mValues{};
};

struct CSlicedLoop
{
    std::uint32_t mMagic = 0;
    CVersion mVersion;
    std::uint32_t mFirstHeaderValue = 0;
    std::uint16_t mSliceCount = 0;
    std::uint32_t mSecondHeaderValue = 0;
    std::array<CSlicedLoopSlice, kMaximumLoopSlices> mSlices{};
};

struct CLoopSlicerSlice
{
    std::uint8_t mValue = 0; // 7 bits
    bool mFlag = false;
    std::uint32_t mLongValue = 0;
    std::uint16_t mShortValue = 0;
};

struct CLoopSlicerDocument
{
    std::uint32_t mMagic = 0;
    CVersion mVersion;
    std::uint8_t mByteA = 0;
    std::uint8_t mByteB = 0;
    // Stored split: the low byte apart from the high one.
    std::uint16_t mSplitValue = 0;
    std::uint8_t mByteC = 0;
    std::uint32_t mValueD = 0;
    std::array<bool, 4> mFlags{};
    std::uint16_t mValueE = 0;
    std::uint16_t mValueF = 0;
    std::uint16_t mSliceCount = 0;
};

// A missing "APPL", another signature, a wrong magic, a version above 1.0 or more than 1000 slices throw
// XBadFormat.
std::unique_ptr<CSlicedLoop> ReadSlicedLoop(CMedia& media);
// slices receives an array of kMaximumLoopSlices, the first mSliceCount of them read; on failure it is
// null and the record untouched. As above, but a version above 1.0 throws XUnsupportedFormat.
void ReadLoopSlicerDocument(CMedia& media, CLoopSlicerDocument& document, std::unique_ptr<CLoopSlicerSlice[]>& slices);
void ReadLoopSlicerDocument(const CFileSpec& file, CLoopSlicerDocument& document,
                            std::unique_ptr<CLoopSlicerSlice[]>& slices);
// The record's byte form, the "APPL" data after the signature. More than 1000 slices throw XBase before
// the buffer is touched.
void BuildLoopSlicerDocument(const CLoopSlicerDocument& document, std::uint8_t* buffer,
                             const CLoopSlicerSlice* slices);

} // namespace NSTramvell
