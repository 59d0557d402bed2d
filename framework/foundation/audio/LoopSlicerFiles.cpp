#include "framework/foundation/audio/LoopSlicerFiles.h"

#include "framework/foundation/audio/AIFFFile.h"
#include "framework/foundation/chunks/IFFChunk.h"
#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/modules/FrameworkConstants.h"

#include <vector>

namespace NSTramvell {

namespace {

constexpr std::uint32_t kSlicedLoopMagic = 0xD1D1D1DA;
constexpr std::uint32_t kLoopSlicerDocumentMagic = 0xD1DADED0;

// Sliced-loop record.
constexpr int kMagicOffset = 0;
constexpr int kVersionOffset = 4;
constexpr int kFirstHeaderValueOffset = 6;
constexpr int kSlicedLoopCountOffset = 10;
constexpr int kSecondHeaderValueOffset = 12;
constexpr int kSlicedLoopSlicesOffset = 1016;
constexpr int kSlicedLoopSliceSize = 12;

// Loop-slicer document record.
constexpr int kByteAOffset = 6;
constexpr int kByteBOffset = 7;
constexpr int kSplitLowOffset = 8;
constexpr int kByteCOffset = 9;
constexpr int kValueDOffset = 10;
constexpr int kFlagsOffset = 14;
constexpr int kValueEOffset = 18;
constexpr int kValueFOffset = 20;
constexpr int kSplitHighOffset = 22;
constexpr int kDocumentCountOffset = 158;
constexpr int kDocumentSlicesOffset = 160;
constexpr int kDocumentSliceSize = 8;

const CVersion& GetHighestReadableVersion()
{
    static const CVersion version(1, 0);
    return version;
}

// The "APPL" data of the given signature, zero-filled beyond what the chunk holds.
std::vector<std::uint8_t> ReadApplicationRecord(CMedia& media, const char* signature, std::int32_t sizeInBytes)
{
    CIFFReader reader(media, GetAIFFFormCode());
    std::vector<std::uint8_t> record(static_cast<std::size_t>(sizeInBytes), 0);
    CFourCharCode found("");
    if (!ReadAPPLChunk(reader, found, record.data(), sizeInBytes) || found != signature)
        throw XBadFormat();
    return record;
}

std::uint16_t ReadSliceCount(const std::uint8_t* stored)
{
    const std::uint16_t count = ReadBigEndian16(stored);
    // More would not fit the record's slices, in the stored form or in memory.
    if (count > kMaximumLoopSlices)
        throw XBadFormat();
    return count;
}

} // namespace

std::unique_ptr<CSlicedLoop> ReadSlicedLoop(CMedia& media)
{
    const std::vector<std::uint8_t> record = ReadApplicationRecord(media, "JVQ ", kSlicedLoopSizeInBytes);
    auto loop = std::make_unique<CSlicedLoop>();
    loop->mMagic = ReadBigEndian32(record.data() + kMagicOffset);
    loop->mVersion.SetMajorMinor(record.data() + kVersionOffset);
    loop->mFirstHeaderValue = ReadBigEndian32(record.data() + kFirstHeaderValueOffset);
    loop->mSliceCount = ReadSliceCount(record.data() + kSlicedLoopCountOffset);
    loop->mSecondHeaderValue = ReadBigEndian32(record.data() + kSecondHeaderValueOffset);
    for (std::int32_t i = 0; i < loop->mSliceCount; ++i) {
        const std::uint8_t* slice = record.data() + kSlicedLoopSlicesOffset + kSlicedLoopSliceSize * i;
        for (std::size_t value = 0; value < 3; ++value)
            loop->mSlices[i].mValues[value] = ReadBigEndian32(slice + 4 * value);
    }
    if (loop->mMagic != kSlicedLoopMagic || !(loop->mVersion <= GetHighestReadableVersion()))
        throw XBadFormat();
    return loop;
}

void ReadLoopSlicerDocument(CMedia& media, CLoopSlicerDocument& document, std::unique_ptr<CLoopSlicerSlice[]>& slices)
{
    slices.reset();
    const std::vector<std::uint8_t> record = ReadApplicationRecord(media, "FnDr", kLoopSlicerDocumentSizeInBytes);
    const std::uint8_t* stored = record.data();
    CLoopSlicerDocument read;
    read.mMagic = ReadBigEndian32(stored + kMagicOffset);
    read.mVersion.SetMajorMinor(stored + kVersionOffset);
    read.mByteA = stored[kByteAOffset];
    read.mByteB = stored[kByteBOffset];
    read.mSplitValue = MakeWord(stored[kSplitHighOffset], stored[kSplitLowOffset]);
    read.mByteC = stored[kByteCOffset];
    read.mValueD = ReadBigEndian32(stored + kValueDOffset);
    for (std::size_t i = 0; i < read.mFlags.size(); ++i)
        read.mFlags[i] = stored[kFlagsOffset + i] != 0;
    read.mValueE = ReadBigEndian16(stored + kValueEOffset);
    read.mValueF = ReadBigEndian16(stored + kValueFOffset);
    read.mSliceCount = ReadSliceCount(stored + kDocumentCountOffset);
    auto readSlices = std::make_unique<CLoopSlicerSlice[]>(kMaximumLoopSlices);
    for (std::int32_t i = 0; i < read.mSliceCount; ++i) {
        const std::uint8_t* slice = stored + kDocumentSlicesOffset + kDocumentSliceSize * i;
        readSlices[i].mValue = slice[0] & 0x7F;
        readSlices[i].mFlag = (slice[0] & 0x80) != 0;
        readSlices[i].mLongValue = ReadBigEndian32(slice + 1);
        readSlices[i].mShortValue = ReadBigEndian16(slice + 6);
    }
    if (read.mMagic != kLoopSlicerDocumentMagic)
        throw XBadFormat();
    if (!(read.mVersion <= GetHighestReadableVersion()))
        throw XUnsupportedFormat();
    document = read;
    slices = std::move(readSlices);
}

void BuildLoopSlicerDocument(const CLoopSlicerDocument& document, std::uint8_t* buffer,
                             const CLoopSlicerSlice* slices)
{
    if (document.mSliceCount > kMaximumLoopSlices)
        throw XBase();
    ZeroFill(buffer, kLoopSlicerDocumentSizeInBytes);
    WriteBigEndian32(buffer + kMagicOffset, document.mMagic);
    document.mVersion.GetMajorMinorPair(buffer + kVersionOffset);
    buffer[kByteAOffset] = document.mByteA;
    buffer[kByteBOffset] = document.mByteB;
    buffer[kSplitLowOffset] = LowByte(document.mSplitValue);
    buffer[kSplitHighOffset] = SecondByte(document.mSplitValue);
    buffer[kByteCOffset] = document.mByteC;
    WriteBigEndian32(buffer + kValueDOffset, document.mValueD);
    for (std::size_t i = 0; i < document.mFlags.size(); ++i)
        buffer[kFlagsOffset + i] = document.mFlags[i] ? 1 : 0;
    WriteBigEndian16(buffer + kValueEOffset, document.mValueE);
    WriteBigEndian16(buffer + kValueFOffset, document.mValueF);
    WriteBigEndian16(buffer + kDocumentCountOffset, document.mSliceCount);
    for (std::int32_t i = 0; i < document.mSliceCount; ++i) {
        std::uint8_t* slice = buffer + kDocumentSlicesOffset + kDocumentSliceSize * i;
        slice[0] = static_cast<std::uint8_t>((slices[i].mValue & 0x7F) | (slices[i].mFlag ? 0x80 : 0));
        WriteBigEndian32(slice + 1, slices[i].mLongValue);
        WriteBigEndian16(slice + 6, slices[i].mShortValue);
    }
}

} // namespace NSTramvell
