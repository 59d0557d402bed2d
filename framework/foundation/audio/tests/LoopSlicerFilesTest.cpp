#include "framework/foundation/audio/LoopSlicerFiles.h"

#include "framework/foundation/audio/AIFFFile.h"
#include "framework/foundation/audio/tests/LoopSlicerTestSupport.h"
#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

using namespace NSTramvell;
using namespace NSAudioTests;
using NSChunkTests::MediaWith;
using NSChunkTests::Pattern;

TBytes Rate44100()
{
    TBytes stored(10);
    WriteExtended80(stored.data(), 44100);
    return stored;
}

// Ten frames of 16-bit mono audio in front of the application chunk.
TBytes LoopFile(const TBytes& application)
{
    const TBytes common =
        IFFChunk("COMM", BigEndian16(1) + NSChunkTests::BigEndian(10) + BigEndian16(16) + Rate44100());
    return AIFFFile(common + IFFChunk("SSND", TBytes(8, 0) + Pattern(20)) + application);
}

TEST(ReadSlicedLoop, ReadsTheRecordAndEverySlice)
{
    for (const std::uint32_t count : {0u, 3u, 1000u}) {
        SCOPED_TRACE(count);
        COwnedMemoryMedia file = MediaWith(LoopFile(ApplicationChunk("JVQ ", SlicedLoopRecord(count))));
        const std::unique_ptr<CSlicedLoop> loop = ReadSlicedLoop(file);
        ASSERT_NE(loop, nullptr);
        EXPECT_EQ(loop->mMagic, 0xD1D1D1DAu);
        EXPECT_TRUE(loop->mVersion == CVersion(1, 0));
        EXPECT_EQ(loop->mFirstHeaderValue, 0x01020304u);
        EXPECT_EQ(loop->mSecondHeaderValue, 0x0A0B0C0Du);
        EXPECT_EQ(loop->mSliceCount, count);
        if (count > 0) {
            const std::uint32_t last = count - 1; // 1000 slices: the last at bytes 13004 to 13015
            EXPECT_EQ(loop->mSlices[last].mValues, (std::array<std::uint32_t, 3>{0x100000 + 3 * last,
                                                                                   0x100001 + 3 * last,
                                                                                   0x100002 + 3 * last}));
        }
        if (count < 1000) {
            EXPECT_EQ(loop->mSlices[count].mValues, (std::array<std::uint32_t, 3>{}));
        }
    }
    // A record cut short reads as zeros beyond its end.
    const TBytes whole = SlicedLoopRecord(0);
    COwnedMemoryMedia cut = MediaWith(LoopFile(ApplicationChunk("JVQ ", TBytes(whole.begin(), whole.begin() + 8))));
    EXPECT_EQ(ReadSlicedLoop(cut)->mFirstHeaderValue, 0x01020000u);
}

TEST(ReadSlicedLoop, RefusesWhatIsNotAReadableSlicedLoop)
{
    const struct
    {
        const char* name;
        TBytes file;
    } kCases[] = {
        {"version 1.1", LoopFile(ApplicationChunk("JVQ ", SlicedLoopRecord(2, 1)))},
        {"wrong signature", LoopFile(ApplicationChunk("FnDr", SlicedLoopRecord(2)))},
        {"wrong magic", LoopFile(ApplicationChunk("JVQ ", SlicedLoopRecord(2, 0, 0xD1D1D1DB)))},
        {"no APPL", LoopFile({})},
        {"APPL without a signature", LoopFile(IFFChunk("APPL", NSChunkTests::Text("JV")))},
        {"1001 slices", LoopFile(ApplicationChunk("JVQ ", SlicedLoopRecord(1001)))},
        {"not FORM", WAVEFile(ApplicationChunk("JVQ ", SlicedLoopRecord(2)))},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        COwnedMemoryMedia file = MediaWith(c.file);
        EXPECT_THROW(ReadSlicedLoop(file), XBadFormat);
    }
}

CLoopSlicerDocument SampleDocument(std::uint16_t sliceCount)
{
    CLoopSlicerDocument document;
    document.mMagic = 0xD1DADED0;
    document.mVersion = CVersion(1, 0);
    document.mByteA = 0xA1;
    document.mByteB = 0xB2;
    document.mSplitValue = 0x1234;
    document.mByteC = 0xC3;
    document.mValueD = 0xD4D5D6D7;
    document.mFlags = {true, false, true, true};
    document.mValueE = 0xE8E9;
    document.mValueF = 0xFAFB;
    document.mSliceCount = sliceCount;
    return document;
}

std::vector<CLoopSlicerSlice> SampleSlices(std::size_t count)
{
    std::vector<CLoopSlicerSlice> slices(count);
    for (std::size_t i = 0; i < count; ++i)
        slices[i] = {static_cast<std::uint8_t>(i % 128), i % 3 == 0, static_cast<std::uint32_t>(0x80000000u + i),
                     static_cast<std::uint16_t>(0xF000 + i)};
    return slices;
}

TBytes DocumentRecord(const CLoopSlicerDocument& document, const std::vector<CLoopSlicerSlice>& slices)
{
    TBytes record(kLoopSlicerDocumentSizeInBytes);
    BuildLoopSlicerDocument(document, record.data(), slices.data());
    return record;
}

void ExpectSameDocument(const CLoopSlicerDocument& read, const std::unique_ptr<CLoopSlicerSlice[]>& readSlices,
                        const CLoopSlicerDocument& written, const std::vector<CLoopSlicerSlice>& slices)
{
    EXPECT_EQ(read.mMagic, written.mMagic);
    EXPECT_TRUE(read.mVersion == written.mVersion);
    EXPECT_EQ(read.mByteA, written.mByteA);
    EXPECT_EQ(read.mByteB, written.mByteB);
    EXPECT_EQ(read.mSplitValue, written.mSplitValue);
    EXPECT_EQ(read.mByteC, written.mByteC);
    EXPECT_EQ(read.mValueD, written.mValueD);
    EXPECT_EQ(read.mFlags, written.mFlags);
    EXPECT_EQ(read.mValueE, written.mValueE);
    EXPECT_EQ(read.mValueF, written.mValueF);
    ASSERT_EQ(read.mSliceCount, written.mSliceCount);
    ASSERT_NE(readSlices, nullptr);
    for (std::size_t i = 0; i < slices.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(readSlices[i].mValue, slices[i].mValue);
        EXPECT_EQ(readSlices[i].mFlag, slices[i].mFlag);
        EXPECT_EQ(readSlices[i].mLongValue, slices[i].mLongValue);
        EXPECT_EQ(readSlices[i].mShortValue, slices[i].mShortValue);
    }
}

TEST(LoopSlicerDocument, BuildsTheStoredForm)
{
    const std::vector<CLoopSlicerSlice> slices = SampleSlices(2);
    const TBytes record = DocumentRecord(SampleDocument(2), slices);
    EXPECT_EQ(TBytes(record.begin(), record.begin() + 24),
              (TBytes{0xD1, 0xDA, 0xDE, 0xD0, 1, 0, 0xA1, 0xB2, 0x34, 0xC3, 0xD4, 0xD5, 0xD6, 0xD7, 1, 0, 1, 1, 0xE8,
                      0xE9, 0xFA, 0xFB, 0x12, 0}));
    EXPECT_EQ(TBytes(record.begin() + 158, record.begin() + 176),
              (TBytes{0, 2, 0x80, 0x80, 0, 0, 0, 0, 0xF0, 0, 0x01, 0x80, 0, 0, 1, 0, 0xF0, 1}));
    EXPECT_EQ(TBytes(record.begin() + 176, record.end()), TBytes(record.end() - record.begin() - 176, 0));

    // A slice's zero byte stays zero whatever the memory holds.
    const TBytes full = DocumentRecord(SampleDocument(1000), SampleSlices(1000));
    for (std::size_t i = 0; i < 1000; ++i)
        ASSERT_EQ(full[160 + 8 * i + 5], 0) << i;

    TBytes untouched(kLoopSlicerDocumentSizeInBytes, 0xEE);
    const std::vector<CLoopSlicerSlice> tooMany = SampleSlices(1001);
    EXPECT_THROW(BuildLoopSlicerDocument(SampleDocument(1001), untouched.data(), tooMany.data()), XBase);
    EXPECT_EQ(untouched, TBytes(kLoopSlicerDocumentSizeInBytes, 0xEE));
}

TEST(LoopSlicerDocument, BuiltDocumentsReadBackFromTheirAIFF)
{
    for (const std::uint16_t count : {std::uint16_t{0}, std::uint16_t{5}, std::uint16_t{1000}}) {
        SCOPED_TRACE(count);
        const CLoopSlicerDocument document = SampleDocument(count);
        const std::vector<CLoopSlicerSlice> slices = SampleSlices(count);
        const TBytes record = DocumentRecord(document, slices);
        auto sample = MakeSample(1, 44100, 16, SamplePattern(10));
        COwnedMemoryMedia file;
        WriteAIFF(file, *sample, nullptr, 16, CFourCharCode("FnDr"), record.data(),
                  static_cast<std::int32_t>(record.size()));
        CLoopSlicerDocument read;
        std::unique_ptr<CLoopSlicerSlice[]> readSlices;
        ReadLoopSlicerDocument(file, read, readSlices);
        ExpectSameDocument(read, readSlices, document, slices);
    }
}

TEST(LoopSlicerDocument, FailuresLeaveNoSlicesAndTheRecordUntouched)
{
    CLoopSlicerDocument badMagic = SampleDocument(2);
    badMagic.mMagic = 0xD1DADED1;
    CLoopSlicerDocument newer = SampleDocument(2);
    newer.mVersion = CVersion(1, 1);
    TBytes tooMany = DocumentRecord(SampleDocument(1000), SampleSlices(1000));
    WriteBigEndian16(tooMany.data() + 158, 1001);
    const std::vector<CLoopSlicerSlice> two = SampleSlices(2);
    const struct
    {
        const char* name;
        TBytes file;
        bool unsupported;
    } kCases[] = {
        {"version 1.1", LoopFile(ApplicationChunk("FnDr", DocumentRecord(newer, two))), true},
        {"wrong signature", LoopFile(ApplicationChunk("JVQ ", DocumentRecord(SampleDocument(2), two))), false},
        {"wrong magic", LoopFile(ApplicationChunk("FnDr", DocumentRecord(badMagic, two))), false},
        {"no APPL", LoopFile({}), false},
        {"1001 slices", LoopFile(ApplicationChunk("FnDr", tooMany)), false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        COwnedMemoryMedia file = MediaWith(c.file);
        CLoopSlicerDocument read;
        read.mValueD = 77;
        auto slices = std::make_unique<CLoopSlicerSlice[]>(1);
        if (c.unsupported)
            EXPECT_THROW(ReadLoopSlicerDocument(file, read, slices), XUnsupportedFormat);
        else
            EXPECT_THROW(ReadLoopSlicerDocument(file, read, slices), XBadFormat);
        EXPECT_EQ(slices, nullptr);
        EXPECT_EQ(read.mValueD, 77u);
    }
}

} // namespace
