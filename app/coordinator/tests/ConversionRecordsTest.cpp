// The stream forms of the progress, error and result records: their exact bytes, their round trips, and
// the fields that are cut short on the way.

#include "app/coordinator/ConversionRecords.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using namespace NSConversionCoordinator;

std::string Stored(NSTramvell::COwnedMemoryMedia& media)
{
    return std::string(reinterpret_cast<const char*>(media.GetBuffer()), static_cast<std::size_t>(media.GetSize()));
}

NSTramvell::COwnedMemoryMedia MediaOf(const std::string& bytes)
{
    return NSTramvell::COwnedMemoryMedia(static_cast<std::int32_t>(bytes.size()), bytes.data());
}

const std::string kProgressBytes("PrUD\0\0\0\x03\0\0\0\x0A\0\0\0\x01P\0\0\0\x02V1\0\0\0\0\x00\x00\x10\x01", 31);

TEST(CProgressUpdate, StoresItsFieldsInOrderWithTheLowHalfOfTheByteCount)
{
    NSTramvell::COwnedMemoryMedia media;
    WriteProgressUpdate(CProgressUpdate(3, 10, "P", "V1", "", 0x100001001ull), media);
    EXPECT_EQ(Stored(media), kProgressBytes);

    media.SetPosition(0);
    const CProgressUpdate read = ReadProgressUpdate(media);
    EXPECT_EQ(read.GetDone(), 3u);
    EXPECT_EQ(read.GetTotal(), 10u);
    EXPECT_EQ(read.GetPartitionName(), "P");
    EXPECT_EQ(read.GetVolumeName(), "V1");
    EXPECT_EQ(read.GetMessage(), "");
    EXPECT_EQ(read.GetBytesWritten(), 0x1001u);
}

TEST(CProgressUpdate, FourGigabytesReadBackAsNothing)
{
    NSTramvell::COwnedMemoryMedia media;
    WriteProgressUpdate(CProgressUpdate(1, 2, "a", "b", "c", 4294967296ull), media);
    media.SetPosition(0);
    EXPECT_EQ(ReadProgressUpdate(media).GetBytesWritten(), 0u);
}

TEST(CErrorReport, StoresTheTaggedMessage)
{
    NSTramvell::COwnedMemoryMedia media;
    WriteErrorReport(CErrorReport("Bad"), media);
    EXPECT_EQ(Stored(media), std::string("ErRp\0\0\0\x03" "Bad", 11));
    media.SetPosition(0);
    EXPECT_EQ(ReadErrorReport(media).GetMessage(), "Bad");
}

TEST(Readers, DoNotCompareTheTag)
{
    std::string bytes = kProgressBytes;
    bytes.replace(0, 4, "XXXX");
    NSTramvell::COwnedMemoryMedia media = MediaOf(bytes);
    EXPECT_EQ(ReadProgressUpdate(media).GetTotal(), 10u);
}

NSLogger::CLogTree MakeTree()
{
    NSLogger::CLogTree tree;
    NSLogger::CLogVolume& drums = tree.FindOrAddVolume("Partition A", "DRUMS");
    drums.AddPatch({"Partition A", "DRUMS", "KIT.mqp", "KIT", 0x123456789ull, {"KICK.wav", "SNARE.wav"},
                    {"MISSING.wav"}, {"note 1"}});
    drums.AddSample({"Partition A", "DRUMS", "KICK.wav", "KICK", 4000, {}});
    drums.AddSkippedProgram({"Partition A", "DRUMS", "BAD PROGRAM", "bad format"});
    tree.FindOrAddVolume("Partition A", "EMPTY");
    tree.FindOrAddVolume("Partition B", "OTHERS")
        .AddSkippedSample({"Partition B", "OTHERS", "BROKEN", "disk error"});
    return tree;
}

void ExpectSameTree(const NSLogger::CLogTree& read, const NSLogger::CLogTree& written)
{
    ASSERT_EQ(read.GetPartitionCount(), written.GetPartitionCount());
    for (std::size_t p = 0; p < written.GetPartitionCount(); ++p) {
        const NSLogger::CLogPartition& a = read.GetPartition(p);
        const NSLogger::CLogPartition& b = written.GetPartition(p);
        EXPECT_EQ(a.GetName(), b.GetName());
        ASSERT_EQ(a.GetVolumeCount(), b.GetVolumeCount());
        for (std::size_t v = 0; v < b.GetVolumeCount(); ++v) {
            const NSLogger::CLogVolume& x = a.GetVolume(v);
            const NSLogger::CLogVolume& y = b.GetVolume(v);
            EXPECT_EQ(x.GetName(), y.GetName());
            ASSERT_EQ(x.GetPatchCount(), y.GetPatchCount());
            for (std::size_t i = 0; i < y.GetPatchCount(); ++i) {
                const NSLogger::CPatchEntry& e = x.GetPatch(i);
                const NSLogger::CPatchEntry& f = y.GetPatch(i);
                EXPECT_EQ(std::tie(e.partitionName, e.volumeName, e.itemName, e.shownName, e.sizeInBytes,
                                   e.referencedSamples, e.missingSamples, e.notes),
                          std::tie(f.partitionName, f.volumeName, f.itemName, f.shownName, f.sizeInBytes,
                                   f.referencedSamples, f.missingSamples, f.notes));
            }
            ASSERT_EQ(x.GetSampleCount(), y.GetSampleCount());
            for (std::size_t i = 0; i < y.GetSampleCount(); ++i) {
                const NSLogger::CSampleEntry& e = x.GetSample(i);
                const NSLogger::CSampleEntry& f = y.GetSample(i);
                EXPECT_EQ(std::tie(e.partitionName, e.volumeName, e.itemName, e.shownName, e.sizeInBytes, e.notes),
                          std::tie(f.partitionName, f.volumeName, f.itemName, f.shownName, f.sizeInBytes, f.notes));
            }
            ASSERT_EQ(x.GetSkippedProgramCount(), y.GetSkippedProgramCount());
            ASSERT_EQ(x.GetSkippedSampleCount(), y.GetSkippedSampleCount());
            for (std::size_t i = 0; i < y.GetSkippedProgramCount(); ++i)
                EXPECT_EQ(x.GetSkippedProgram(i).fileName, y.GetSkippedProgram(i).fileName);
            for (std::size_t i = 0; i < y.GetSkippedSampleCount(); ++i) {
                const NSLogger::CSkippedEntry& e = x.GetSkippedSample(i);
                const NSLogger::CSkippedEntry& f = y.GetSkippedSample(i);
                EXPECT_EQ(std::tie(e.partitionName, e.volumeName, e.fileName, e.cause),
                          std::tie(f.partitionName, f.volumeName, f.fileName, f.cause));
            }
        }
    }
}

TEST(CConversionResult, RoundTripsWithItsPartitions)
{
    const NSLogger::CLogTree tree = MakeTree();
    NSTramvell::COwnedMemoryMedia media;
    WriteConversionResult(CConversionResult(1, true, "because the disk is full", tree), media);
    EXPECT_EQ(Stored(media).substr(0, 34), std::string("CoRe\x01\x01\0\0\0\x18" "because the disk is full", 34));

    media.SetPosition(0);
    const CConversionResult read = ReadConversionResult(media);
    EXPECT_EQ(read.GetConverterResult(), 1u);
    EXPECT_TRUE(read.IsAborted());
    EXPECT_EQ(read.GetAbortCause(), "because the disk is full");
    ExpectSameTree(read.GetPartitions(), tree);
    EXPECT_EQ(media.GetPosition(), media.GetSize());
}

TEST(CConversionResult, KeepsTheLowByteOfTheResultAndOnlyOneMeansAborted)
{
    NSTramvell::COwnedMemoryMedia media;
    WriteConversionResult(CConversionResult(258, false, "", NSLogger::CLogTree()), media);
    media.SetPosition(0);
    EXPECT_EQ(ReadConversionResult(media).GetConverterResult(), 2u);

    for (const std::uint8_t flag : {0, 1, 2, 255}) {
        SCOPED_TRACE(flag);
        NSTramvell::COwnedMemoryMedia stored =
            MediaOf(std::string("CoRe\x00", 5) + static_cast<char>(flag) + std::string(8, '\0'));
        EXPECT_EQ(ReadConversionResult(stored).IsAborted(), flag == 1);
    }
}

TEST(CConversionResult, ATruncatedRecordFailsToRead)
{
    NSTramvell::COwnedMemoryMedia media;
    WriteConversionResult(CConversionResult(0, false, "", MakeTree()), media);
    const std::string whole = Stored(media);
    NSTramvell::COwnedMemoryMedia truncated = MediaOf(whole.substr(0, whole.size() - 3));
    EXPECT_THROW(ReadConversionResult(truncated), NSTramvell::XRead);
    // A count far beyond what is stored fails at the end of the media instead of allocating.
    NSTramvell::COwnedMemoryMedia huge = MediaOf(std::string("CoRe\0\0\0\0\0\0\xFF\xFF\xFF\xFF", 14));
    EXPECT_THROW(ReadConversionResult(huge), NSTramvell::XRead);
}

} // namespace
