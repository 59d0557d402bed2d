// The whole-disc conversion over discs held in memory: the folders and files it makes, what it logs and
// asks, stops, "Ignore All Errors" across partitions, and the failures of single files that it asks about.

#include "akai/client/BrakvelErrors.h"
#include "akai/parsers/ParserStrings.h"
#include "akai/filesystem/tests/support/MemoryDiskMedia.h"
#include "akai/parsers/tests/support/ParserTestStrings.h"
#include "conversion/disc/AbortCause.h"
#include "conversion/disc/Converter.h"
#include "conversion/disc/DiscReadFailures.h"
#include "conversion/log/ConversionStrings.h"
#include "conversion/log/Logger.h"
#include "conversion/disc/tests/support/ConversionDiscMaker.h"
#include "conversion/disc/tests/support/ConversionFailingWrites.h"
#include "conversion/disc/tests/support/ConversionFakes.h"
#include "conversion/disc/tests/support/ConversionTexts.h"
#include "conversion/disc/tests/win32/ConversionTestFolder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/core/KeptBlocks.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <iterator>
#include <optional>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

using namespace NSConversionTestSupport;
using NSAkaiTestSupport::CDiscImage;
using NSAkaiTestSupport::CDiscImageBuilder;
using NSAkaiTestSupport::CFileDescription;
using NSAkaiTestSupport::CMemoryDiskMedia;
using NSAkaiTestSupport::CVolumeDescription;
using NSAkaiTestSupport::EVolumeKind;

namespace {

class ConversionWalk : public testing::Test
{
protected:
    void SetUp() override
    {
        InstallConversionTexts();
        NSAkaiParser::SetUIStrings(NSAkaiTestSupport::MakeParserStrings());
    }

    std::uint32_t Convert(const CDiscImage& image)
    {
        CMemoryDiskMedia disc(image);
        return NSAkaiConversion::ConvertDisk(progress, errors, log, disc, folder.Spec(), NSAkaiConversion::kFolderOutput);
    }

    CTestFolder folder;
    CRecordingProgressListener progress;
    CRecordingErrorListener errors;
    NSLoggerImplementation::CLogger log;
};

std::vector<std::uint8_t> Sample(const std::string& name, std::size_t frames, std::int32_t seed)
{
    return MakeSampleFile({name, MakeSampleData(frames, seed), 2, false, 0, 0}, kLongSampleType);
}

// Partitions A and B, each with volumes V1 and V2, each volume one good sample and, when asked, one sample
// the parser refuses.
CDiscImage TwoPartitionDisc(bool withBadFiles)
{
    CDiscImageBuilder builder;
    for (int p = 0; p < 2; ++p) {
        const std::size_t partition = builder.AddPartition(60);
        for (int v = 1; v <= 2; ++v) {
            const std::size_t volume = builder.AddVolume(partition, CVolumeDescription("V" + std::to_string(v), EVolumeKind::kS3000));
            const std::string name = "S" + std::to_string(p) + std::to_string(v);
            builder.AddFile(partition, volume, CFileDescription(name, kLongSampleType, Sample(name, 2000, p * 10 + v)));
            if (withBadFiles)
                builder.AddFile(partition, volume,
                                CFileDescription("BAD" + std::to_string(p) + std::to_string(v), kLongSampleType,
                                                 MakeBadSampleFile(kLongSampleType)));
        }
    }
    return builder.Build();
}

std::uint64_t FileSize(const std::string& path)
{
    return static_cast<std::uint64_t>(std::filesystem::file_size(path));
}

} // namespace

TEST_F(ConversionWalk, MirrorsTheDiscAndLogsEveryFile)
{
    EXPECT_EQ(Convert(MakeAcceptanceDisc().image), NSAkaiConversion::kConversionCompleted);
    const std::vector<std::string> expected = {
        "Partition A", "Partition A/DRUMS", "Partition A/DRUMS/KICK.wav", "Partition A/DRUMS/KICK2.wav",
        "Partition A/DRUMS/KIT.mqp", "Partition A/EMPTY", "Partition A/PIANOS",
        "Partition A/PIANOS/GRAND PNO (S).wav", "Partition A/PIANOS/PIANO.mqp", "Partition A/PIANOS/PIANO2.mqp",
        "Partition A/PIANOS/STRINGS.wav", "Partition A/Volume 3", "Partition A/Volume 3/SOLO.wav", "Partition B",
        "Partition B/OTHERS"};
    EXPECT_EQ(ListTree(folder.Path()), expected);

    // Three damaged files, each asked about once while reading.
    EXPECT_EQ(errors.messages, (std::vector<std::string>{
                                   "The sample BAD SAMPLE cannot be read, because it has a bad format.",
                                   "The program BAD PROGRAM cannot be read, because it has a bad format.",
                                   "The sample BROKEN cannot be read, because it has a bad format."}));

    const NSLogger::CLogTree tree = log.GetTree();
    ASSERT_EQ(tree.GetPartitionCount(), 1u);   // nothing of partition B was logged
    const NSLogger::CLogPartition& a = tree.GetPartition(0);
    ASSERT_EQ(a.GetVolumeCount(), 3u);
    const NSLogger::CLogVolume& pianos = a.GetVolume(0);
    EXPECT_EQ(pianos.GetName(), "PIANOS");
    ASSERT_EQ(pianos.GetPatchCount(), 2u);
    EXPECT_EQ(pianos.GetPatch(1).itemName, "PIANO2.mqp");
    EXPECT_EQ(pianos.GetPatch(1).shownName, "PIANO2");
    EXPECT_EQ(pianos.GetPatch(1).missingSamples, std::vector<std::string>{"MISSING ONE.wav"});
    EXPECT_EQ(pianos.GetPatch(0).referencedSamples, std::vector<std::string>{"GRAND PNO (S).wav"});
    ASSERT_EQ(pianos.GetSampleCount(), 2u);
    EXPECT_EQ(pianos.GetSample(0).itemName, "GRAND PNO (S).wav");
    EXPECT_EQ(pianos.GetSample(0).sizeInBytes, FileSize(folder.Path() + "Partition A/PIANOS/GRAND PNO (S).wav"));
    EXPECT_EQ(pianos.GetPatch(0).sizeInBytes, FileSize(folder.Path() + "Partition A/PIANOS/PIANO.mqp"));
    const NSLogger::CLogVolume& drums = a.GetVolume(1);
    EXPECT_EQ(drums.GetSkippedSampleCount(), 2u);
    EXPECT_EQ(drums.GetSkippedProgramCount(), 1u);
    EXPECT_EQ(drums.GetSkippedProgram(0).cause, "bad format");
    EXPECT_EQ(a.GetVolume(2).GetName(), "Volume 3");

    // The sample that a zone names but the volume lacks is looked at but takes no step.
    const auto reported = [this](const std::string& message) {
        return std::any_of(progress.reports.begin(), progress.reports.end(),
                           [&](const CProgressReport& report) { return report.message == message; });
    };
    EXPECT_TRUE(reported("Converting sample MISSING ONE.wav"));
    EXPECT_FALSE(reported("Writing sample MISSING ONE.wav"));

    // The walk's own reports, and the last one.
    const CProgressReport& last = progress.reports.back();
    EXPECT_EQ(last.done, 1u);
    EXPECT_EQ(last.total, 1u);
    EXPECT_EQ(last.message, "");
    EXPECT_EQ(progress.timingStarts, std::vector<std::size_t>{1});
    std::vector<std::pair<std::uint32_t, std::uint32_t>> volumeSteps;
    for (const CProgressReport& report : progress.reports) {
        if (report.message == "Examining volume...")
            volumeSteps.emplace_back(report.done, report.total);
        EXPECT_LE(report.done, report.total) << report.message;
    }
    EXPECT_EQ(volumeSteps, (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{0, 8}, {1, 8}, {2, 8}, {3, 8}, {1, 2}}));
}

TEST_F(ConversionWalk, TakenFolderNamesAreNumberedAndLeftAlone)
{
    const NSTramvell::CDirSpec existing = NSTramvell::CreateFolder(folder.Spec(), NSTramvell::CDirectoryName("Partition A"));
    WriteFileBytes(folder.Path() + "Partition A/mine.txt", "mine");
    EXPECT_EQ(Convert(TwoPartitionDisc(false)), NSAkaiConversion::kConversionCompleted);
    const std::vector<std::string> tree = ListTree(folder.Path());
    EXPECT_EQ(tree, (std::vector<std::string>{"Partition A", "Partition A/mine.txt", "Partition A2", "Partition A2/V1",
                                               "Partition A2/V1/S01.wav", "Partition A2/V2", "Partition A2/V2/S02.wav",
                                               "Partition B", "Partition B/V1", "Partition B/V1/S11.wav",
                                               "Partition B/V2", "Partition B/V2/S12.wav"}));
    EXPECT_EQ(log.GetTree().GetPartition(0).GetName(), "Partition A2");
}

TEST_F(ConversionWalk, StopAtTheFirstReportMakesNothing)
{
    for (const auto& [answer, result] : {std::pair{NSProgressListener::kStopKeepOutput, NSAkaiConversion::kConversionStoppedKeepOutput},
                                         std::pair{NSProgressListener::kStopDeleteOutput, NSAkaiConversion::kConversionStoppedDeleteOutput}}) {
        SCOPED_TRACE(answer);
        progress.reports.clear();
        progress.answer = [answer = answer](const CProgressReport&) { return answer; };
        CMemoryDiskMedia disc(TwoPartitionDisc(false));
        EXPECT_EQ(NSAkaiConversion::ConvertDisk(progress, errors, log, disc, folder.Spec(), NSAkaiConversion::kFolderOutput),
                  result);
        EXPECT_EQ(progress.reports.size(), 1u);
        EXPECT_EQ(progress.reports[0].message, "Examining disk...");
        EXPECT_TRUE(disc.GetReads().empty());
        EXPECT_TRUE(ListTree(folder.Path()).empty());
    }
}

TEST_F(ConversionWalk, StopInPartitionBKeepsEarlierOutput)
{
    progress.answer = [](const CProgressReport& report) {
        return report.partitionName == "Partition B" && report.volumeName == "V2" ? NSProgressListener::kStopDeleteOutput
                                                                                 : NSProgressListener::kGoOn;
    };
    EXPECT_EQ(Convert(TwoPartitionDisc(false)), NSAkaiConversion::kConversionStoppedDeleteOutput);
    const std::vector<std::string> tree = ListTree(folder.Path());
    for (const char* kept : {"Partition A/V1/S01.wav", "Partition A/V2/S02.wav", "Partition B/V1/S11.wav"})
        EXPECT_NE(std::find(tree.begin(), tree.end(), kept), tree.end()) << kept;
    EXPECT_EQ(std::find(tree.begin(), tree.end(), "Partition B/V2/S12.wav"), tree.end());
}

TEST_F(ConversionWalk, IgnoreAllInPartitionASilencesPartitionB)
{
    errors.answers = {NSErrorListener::kIgnoreAllErrors, NSErrorListener::kAbortKeepOutput};
    EXPECT_EQ(Convert(TwoPartitionDisc(true)), NSAkaiConversion::kConversionCompleted);
    EXPECT_EQ(errors.messages.size(), 1u);
    const NSLogger::CLogTree tree = log.GetTree();
    ASSERT_EQ(tree.GetPartitionCount(), 2u);
    for (std::size_t p = 0; p < 2; ++p) {
        for (std::size_t v = 0; v < 2; ++v) {
            EXPECT_EQ(tree.GetPartition(p).GetVolume(v).GetSkippedSampleCount(), 1u);
            EXPECT_EQ(tree.GetPartition(p).GetVolume(v).GetSampleCount(), 1u);
        }
    }
}

TEST_F(ConversionWalk, AbortAnswerStopsTheDisc)
{
    errors.answers = {NSErrorListener::kAbortDeleteOutput};
    EXPECT_EQ(Convert(TwoPartitionDisc(true)), NSAkaiConversion::kConversionStoppedDeleteOutput);
    EXPECT_EQ(errors.messages.size(), 1u);
    EXPECT_EQ(ListTree(folder.Path()), (std::vector<std::string>{"Partition A", "Partition A/V1"}));
}

TEST_F(ConversionWalk, FullDiskIsAskedAboutPerFileAndLeavesNoPartFile)
{
    // The first WAVE file (about 4 kB) fits, no later one does.
    const std::string s02Full = "The sample S02.wav cannot be converted, because the disk is full.";
    const std::string s11Full = "The sample S11.wav cannot be converted, because the disk is full.";
    const struct
    {
        const char* what;
        std::deque<std::uint32_t> answers;
        std::uint32_t result;
        std::vector<std::string> messages;
        std::size_t skippedInPartitionB;
    } kCases[] = {
        {"ignore, then abort", {NSErrorListener::kIgnoreError, NSErrorListener::kAbortKeepOutput},
         NSAkaiConversion::kConversionStoppedKeepOutput, {s02Full, s11Full}, 1},
        {"ignore all", {NSErrorListener::kIgnoreAllErrors}, NSAkaiConversion::kConversionCompleted, {s02Full}, 2},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        CTestFolder output;
        NSLoggerImplementation::CLogger roundLog;
        CRecordingErrorListener roundErrors;
        roundErrors.answers = c.answers;
        CMemoryDiskMedia disc(TwoPartitionDisc(false));
        {
            CScopedFailingWrites full(6000);
            EXPECT_EQ(NSAkaiConversion::ConvertDisk(progress, roundErrors, roundLog, disc, output.Spec(),
                                                    NSAkaiConversion::kFolderOutput),
                      c.result);
            EXPECT_TRUE(full.HasFailed());
        }
        EXPECT_EQ(roundErrors.messages, c.messages);
        const std::vector<std::string> tree = ListTree(output.Path());
        ASSERT_GE(tree.size(), 4u);
        EXPECT_EQ(std::vector<std::string>(tree.begin(), tree.begin() + 4),
                  (std::vector<std::string>{"Partition A", "Partition A/V1", "Partition A/V1/S01.wav", "Partition A/V2"}));
        EXPECT_EQ(std::count_if(tree.begin(), tree.end(), [](const std::string& path) { return path.ends_with(".wav"); }),
                  1);
        const NSLogger::CLogTree logged = roundLog.GetTree();
        const NSLogger::CLogVolume& v1 = logged.GetPartition(0).GetVolume(0);
        ASSERT_EQ(v1.GetSampleCount(), 1u);
        EXPECT_EQ(v1.GetSample(0).sizeInBytes, FileSize(output.Path() + "Partition A/V1/S01.wav"));
        const NSLogger::CLogVolume& v2 = logged.GetPartition(0).GetVolume(1);
        ASSERT_EQ(v2.GetSkippedSampleCount(), 1u);
        EXPECT_EQ(v2.GetSkippedSample(0).fileName, "S02.wav");
        EXPECT_EQ(v2.GetSkippedSample(0).cause, "disk full");
        ASSERT_EQ(logged.GetPartitionCount(), 2u);
        std::size_t skippedInB = 0;
        for (std::size_t v = 0; v < logged.GetPartition(1).GetVolumeCount(); ++v)
            skippedInB += logged.GetPartition(1).GetVolume(v).GetSkippedSampleCount();
        EXPECT_EQ(skippedInB, c.skippedInPartitionB);
    }
}

namespace {

decltype(NSTramvell::CKernelTable::CreateFileA) gRealCreateFile = nullptr;

// A folder in which no patch file may be made.
HANDLE RefusePatchFiles(LPCSTR path, DWORD access, DWORD sharing, LPSECURITY_ATTRIBUTES security,
                        DWORD disposition, DWORD flags, HANDLE model)
{
    if (std::string(path).ends_with(".mqp")) {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    return gRealCreateFile(path, access, sharing, security, disposition, flags, model);
}

} // namespace

TEST_F(ConversionWalk, APatchThatCannotBeStoredIsAskedAboutAndTheRestConverted)
{
    gRealCreateFile = NSTramvell::GetKernelTable().CreateFileA;
    {
        NSTramvell::CScopedTableEntry refuse(NSTramvell::GetKernelTable().CreateFileA, &RefusePatchFiles);
        EXPECT_EQ(Convert(MakeAcceptanceDisc().image), NSAkaiConversion::kConversionCompleted);
    }
    // The disc's two programs named PIANO, and KIT.
    for (const auto& [program, count] : {std::pair{"PIANO", 2}, std::pair{"KIT", 1}}) {
        const std::string message =
            std::string("The program ") + program + " cannot be converted, because there was a disk error.";
        EXPECT_EQ(std::count(errors.messages.begin(), errors.messages.end(), message), count) << program;
    }
    EXPECT_EQ(errors.messages.size(), 6u);   // and the three damaged files
    const std::vector<std::string> paths = ListTree(folder.Path());
    std::vector<std::string> stored;
    std::copy_if(paths.begin(), paths.end(), std::back_inserter(stored), [](const std::string& path) {
        return path.ends_with(".wav") || path.ends_with(".mqp");
    });
    EXPECT_EQ(stored, (std::vector<std::string>{"Partition A/DRUMS/KICK.wav", "Partition A/DRUMS/KICK2.wav",
                                                "Partition A/PIANOS/GRAND PNO (S).wav",
                                                "Partition A/PIANOS/STRINGS.wav", "Partition A/Volume 3/SOLO.wav"}));
    const NSLogger::CLogTree tree = log.GetTree();
    const NSLogger::CLogVolume& pianos = tree.GetPartition(0).GetVolume(0);
    EXPECT_EQ(pianos.GetPatchCount(), 0u);
    ASSERT_EQ(pianos.GetSkippedProgramCount(), 2u);
    for (std::size_t i = 0; i < pianos.GetSkippedProgramCount(); ++i) {
        EXPECT_EQ(pianos.GetSkippedProgram(i).fileName, "PIANO");
        EXPECT_EQ(pianos.GetSkippedProgram(i).cause, "disk error");
    }
}

TEST_F(ConversionWalk, ReusesTheBlocksOfEarlierFilesAndGivesThemBackWhenItEnds)
{
    // Two samples of 400 kB, large enough for their blocks to be kept between files.
    CDiscImageBuilder builder;
    const std::size_t partition = builder.AddPartition(200);
    const std::size_t volume = builder.AddVolume(partition, CVolumeDescription("LARGE", EVolumeKind::kS3000));
    for (const char* name : {"FIRST", "SECOND"})
        builder.AddFile(partition, volume, CFileDescription(name, kLongSampleType, Sample(name, 200000, 1)));
    const CDiscImage image = builder.Build();

    for (const bool diskFull : {false, true}) {
        SCOPED_TRACE(diskFull);
        NSTramvell::ReleaseKeptBlocks();
        std::size_t mostKeptBytes = 0;
        progress.answer = [&mostKeptBytes](const CProgressReport&) {
            mostKeptBytes = std::max(mostKeptBytes, NSTramvell::GetKeptBytes());
            return NSProgressListener::kGoOn;
        };
        CTestFolder output;
        CMemoryDiskMedia disc(image);
        {
            // The second file does not fit; the error is ignored and the walk goes on to its end.
            std::optional<CScopedFailingWrites> full;
            if (diskFull)
                full.emplace(500000);
            EXPECT_EQ(NSAkaiConversion::ConvertDisk(progress, errors, log, disc, output.Spec(),
                                                    NSAkaiConversion::kFolderOutput),
                      NSAkaiConversion::kConversionCompleted);
            EXPECT_EQ(errors.messages.size(), diskFull ? 1u : 0u);
        }
        EXPECT_GE(mostKeptBytes, 400000u);
        EXPECT_EQ(NSTramvell::GetKeptBytes(), 0u);
    }
}

namespace {

// A disc whose reads of one byte range fail, as a scratched disc's would, with what the test throws.
class CFailingDisc final : public NSAkaiFileSystem::IAkaiDiskMedia
{
public:
    CFailingDisc(const CDiscImage& image, std::int64_t failFrom, std::int64_t failTo, std::function<void()> fail)
        : mDisc(image), mFailFrom(failFrom), mFailTo(failTo), mFail(std::move(fail))
    {
    }
    std::int64_t GetSize() override { return mDisc.GetSize(); }
    void ReadAt(std::int64_t position, std::int64_t length, void* buffer) override
    {
        if (position < mFailTo && position + length > mFailFrom)
            mFail();
        mDisc.ReadAt(position, length, buffer);
    }

private:
    CMemoryDiskMedia mDisc;
    std::int64_t mFailFrom;
    std::int64_t mFailTo;
    std::function<void()> mFail;
};

} // namespace

TEST_F(ConversionWalk, AnUnreadableFileIsAskedAboutAndSkipped)
{
    const CDiscImage image = TwoPartitionDisc(false);
    // Partition A's second volume: its sample's data cannot be read.
    const std::uint16_t block = image.GetFileBlocks(0, 1, 0).front();
    const auto start = static_cast<std::int64_t>(image.FileDataOffset(0, block));
    const auto end = start + static_cast<std::int64_t>(NSAkaiTestSupport::kImageBlockSizeInBytes);
    const struct
    {
        const char* what;
        std::function<void()> fail;
        const char* cause;
        const char* shortCause;
    } kCases[] = {
        {"read error", [] { throw NSTramvell::XRead(); }, "there was a disk error", "disk error"},
        {"failed device call", [] { throw NSBrakvel::XFile(); }, "there was a disk error", "disk error"},
        {"drive no longer ready", [] { throw NSBrakvel::XDriveIsBusy(); }, "there was a disk error", "disk error"},
        {"outside the standard family", [] { throw 42; }, "there was an unknown error", "unknown error"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        CTestFolder output;
        NSLoggerImplementation::CLogger roundLog;
        CRecordingErrorListener roundErrors;
        CFailingDisc failing(image, start, end, c.fail);
        NSAkaiConversion::CDiscReadFailures disc(failing);
        EXPECT_EQ(NSAkaiConversion::ConvertDisk(progress, roundErrors, roundLog, disc, output.Spec(),
                                                NSAkaiConversion::kFolderOutput),
                  NSAkaiConversion::kConversionCompleted);
        EXPECT_EQ(roundErrors.messages,
                  std::vector<std::string>{std::string("The sample S02 cannot be read, because ") + c.cause + "."});
        const NSLogger::CLogTree tree = roundLog.GetTree();
        const NSLogger::CLogVolume& v2 = tree.GetPartition(0).GetVolume(1);
        ASSERT_EQ(v2.GetSkippedSampleCount(), 1u);
        EXPECT_EQ(v2.GetSkippedSample(0).fileName, "S02");
        EXPECT_EQ(v2.GetSkippedSample(0).cause, c.shortCause);
        EXPECT_EQ(v2.GetSampleCount(), 0u);
        // The rest of the disc is converted.
        EXPECT_EQ(tree.GetPartition(1).GetVolume(1).GetSampleCount(), 1u);
    }
}

TEST_F(ConversionWalk, APulledDiscIsADiskErrorToTheEnd)
{
    CFailingDisc pulled(TwoPartitionDisc(false), 0, std::numeric_limits<std::int64_t>::max(),
                        [] { throw NSBrakvel::XDriveIsBusy(); });
    NSAkaiConversion::CDiscReadFailures disc(pulled);
    try {
        NSAkaiConversion::ConvertDisk(progress, errors, log, disc, folder.Spec(), NSAkaiConversion::kFolderOutput);
        ADD_FAILURE() << "a disc that cannot be read ends the walk";
    } catch (const std::exception& failure) {
        EXPECT_EQ(NSAkaiConversion::GetAbortCauseId(&failure), NSAkaiConversion::kAbortedDiskErrorId);
    }
}
