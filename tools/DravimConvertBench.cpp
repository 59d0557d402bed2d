// Measures the conversion of a synthetic disc image against the plain I/O of the same work:
//     DravimConvertBench SIZE_MB WORKFOLDER [ROUNDS]
// makes an image of about SIZE_MB megabytes of samples in WORKFOLDER (in a child process, so that the
// image held in memory while it is built does not count), then in each round reads the image once,
// converts it into WORKFOLDER/out and syncs that output to disk, deletes it, and writes a new file of each
// output file's size in one write and syncs those.
// A first round warms up and is not counted: the first time a process writes that much, the system fills
// its cache from memory it has not used before, which costs the conversion (writing first) far more than
// the plain writing after it. It prints every round, then over the counted ones (five unless ROUNDS says
// more) the median and the spread (lowest to highest) of: wall time, wall time with the output synced,
// processor time (user and system, plus the Wine server's on the program's behalf where it can be read),
// each for the conversion and the plain I/O, and the two ratios the conversion is judged by: processor
// time and wall time with sync, each against the plain I/O's. The wall time varies with the state of the
// machine's memory and disk, and on a shared machine every figure varies with the other programs' load:
// the medians of many rounds are what to compare.
// It also records every read the conversion makes of the image, as the disc media sees them (the layer
// every read of a real drive passes), and prices them by the two drive models of DriveModel.h.

#include "akai/client/DiskImageDiskMedia.h"
#include "akai/parsers/ParserTexts.h"
#include "conversion/disc/Converter.h"
#include "conversion/log/ConversionTexts.h"
#include "conversion/log/ErrorListener.h"
#include "conversion/log/Logger.h"
#include "conversion/disc/ProgressListener.h"
#include "conversion/disc/tests/support/ConversionDiscMaker.h"
#include "framework/foundation/files/FileMedia.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/FileTypeDescription.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "tools/BenchMemory.h"
#include "tools/BenchSystem.h"
#include "tools/DriveModel.h"

#include <process.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t kPieceSizeInBytes = 1 << 20;
constexpr std::int32_t kLeastRoundCount = 5;

class CSilentListeners final : public NSProgressListener::IProgressListener, public NSErrorListener::IErrorListener
{
public:
    std::uint32_t ReportProgress(std::uint32_t, std::uint32_t, const std::string&, const std::string&, const std::string&,
                                 std::uint64_t) override
    {
        return NSProgressListener::kGoOn;
    }
    void StartTiming() override {}
    std::uint32_t ReportError(std::string message) override
    {
        std::printf("error: %s\n", message.c_str());
        return NSErrorListener::kIgnoreError;
    }
};

// The image as the conversion's disc, noting every read and size query that reaches it.
class CRecordingDiskMedia final : public NSAkaiFileSystem::IAkaiDiskMedia
{
public:
    explicit CRecordingDiskMedia(NSAkaiFileSystem::IAkaiDiskMedia& disc) : mDisc(disc) {}
    std::int64_t GetSize() override
    {
        ++mSizeQueryCount;
        return mDisc.GetSize();
    }
    void ReadAt(std::int64_t position, std::int64_t length, void* buffer) override
    {
        mReads.push_back({position, length});
        mDisc.ReadAt(position, length, buffer);
    }
    const std::vector<NSDriveModel::CDiscRead>& GetReads() const { return mReads; }
    std::int64_t GetSizeQueryCount() const { return mSizeQueryCount; }

private:
    NSAkaiFileSystem::IAkaiDiskMedia& mDisc;
    std::vector<NSDriveModel::CDiscRead> mReads;
    std::int64_t mSizeQueryCount = 0;
};

struct CDiscReadRecord
{
    std::vector<NSDriveModel::CDiscRead> reads;
    std::int64_t sizeQueryCount = 0;
};

// Wall and processor time of one step; the processor time includes the Wine server's where it is read.
class CStepClock
{
public:
    explicit CStepClock(const CWineServerClock& server)
        : mServer(server), mStart(std::chrono::steady_clock::now()), mProcessorStart(ReadOwnProcessorSeconds()),
          mServerStart(server.GetProcessorSeconds().value_or(0.0))
    {
    }
    double GetWallSeconds() const { return std::chrono::duration<double>(std::chrono::steady_clock::now() - mStart).count(); }
    double GetOwnProcessorSeconds() const { return ReadOwnProcessorSeconds() - mProcessorStart; }
    double GetServerSeconds() const { return mServer.GetProcessorSeconds().value_or(0.0) - mServerStart; }

private:
    static double ReadOwnProcessorSeconds() { return GetOwnHostProcessorSeconds().value_or(GetProcessorSeconds()); }

    const CWineServerClock& mServer;
    std::chrono::steady_clock::time_point mStart;
    double mProcessorStart;
    double mServerStart;
};

struct CStepTimes
{
    double wallSeconds = 0.0;
    double syncSeconds = 0.0;       // syncing the written files afterwards
    double processorSeconds = 0.0;  // the program's own
    double serverSeconds = 0.0;     // the Wine server's on its behalf

    void Add(const CStepClock& clock)
    {
        wallSeconds += clock.GetWallSeconds();
        processorSeconds += clock.GetOwnProcessorSeconds();
        serverSeconds += clock.GetServerSeconds();
    }
    double WallWithSyncSeconds() const { return wallSeconds + syncSeconds; }
    double AllProcessorSeconds() const { return processorSeconds + serverSeconds; }
};

struct CRoundTimes
{
    CStepTimes conversion;
    CStepTimes plain;  // reading the image once, then writing the output's files once
    double ProcessorRatio() const { return conversion.AllProcessorSeconds() / plain.AllProcessorSeconds(); }
    double WallWithSyncRatio() const { return conversion.WallWithSyncSeconds() / plain.WallWithSyncSeconds(); }
};

// Reads the whole file in pieces through the framework's files, as plainly as it can be read.
void ReadPlainly(const NSTramvell::CFileSpec& file)
{
    NSTramvell::COpenFile input(file);
    const std::int32_t size = input.GetSize();
    std::vector<std::uint8_t> piece(kPieceSizeInBytes);
    for (std::int32_t position = 0; position < size; position += kPieceSizeInBytes)
        input.ReadAt(position, std::min(kPieceSizeInBytes, size - position), piece.data());
}

// Writes one new file of each size, as the conversion wrote them, each in one write. Returns their paths.
std::vector<std::string> WritePlainly(const std::string& folderPath, const std::vector<std::int32_t>& fileSizes,
                                      const std::vector<std::uint8_t>& bytes)
{
    const NSTramvell::CDirSpec folder(NSTramvell::MakeFullPath(folderPath));
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < fileSizes.size(); ++i) {
        const NSTramvell::CFileSpec file(folder.GetPath(), "plain" + std::to_string(i), ".bin");
        NSTramvell::COpenFile output(file, NSTramvell::CMacCreatorCode("????"),
                                     NSTramvell::GetUndefinedBinaryDescription());
        output.WriteAt(0, fileSizes[i], bytes.data());
        paths.push_back(file.GetFullPath());
    }
    return paths;
}

double TimeSync(const std::vector<std::string>& paths)
{
    const auto start = std::chrono::steady_clock::now();
    SyncFilesToDisk(paths);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

constexpr const char* kMakeImageOption = "--make-image";

int MakeImage(std::uint64_t sizeInMegabytes, const std::string& imagePath)
{
    const NSAkaiTestSupport::CDiscImage image = NSConversionTestSupport::MakeBenchmarkDisc(sizeInMegabytes << 20);
    NSConversionTestSupport::WriteBytesToFile(imagePath, image.Bytes());
    return 0;
}

struct COutputFiles
{
    std::vector<std::string> paths;
    std::vector<std::int32_t> sizes;
    std::uint64_t byteCount = 0;
};

COutputFiles ListOutputFiles(const std::string& folderPath)
{
    COutputFiles files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folderPath)) {
        if (entry.is_regular_file()) {
            files.paths.push_back(entry.path().string());
            files.sizes.push_back(static_cast<std::int32_t>(entry.file_size()));
            files.byteCount += entry.file_size();
        }
    }
    return files;
}

// Converts the image into the output folder and syncs what it wrote. False when the conversion failed.
bool TimeConversion(const NSTramvell::CFileSpec& imageSpec, const std::string& outputPath,
                    const CWineServerClock& server, CStepTimes& times, CDiscReadRecord& record)
{
    CSilentListeners listeners;
    NSLoggerImplementation::CLogger logger;
    std::uint32_t result = 0;
    {
        const CStepClock clock(server);
        {
            CDiskImageDiskMedia image(imageSpec);
            CRecordingDiskMedia disc(image);
            result = NSAkaiConversion::ConvertDisk(listeners, listeners, logger, disc,
                                                   NSTramvell::CDirSpec(NSTramvell::MakeFullPath(outputPath)),
                                                   NSAkaiConversion::kFolderOutput);
            record.reads = disc.GetReads();
            record.sizeQueryCount = disc.GetSizeQueryCount();
        }
        times.Add(clock);
    }
    if (result != NSAkaiConversion::kConversionCompleted) {
        std::printf("the conversion stopped with %u\n", result);
        return false;
    }
    times.syncSeconds = TimeSync(ListOutputFiles(outputPath).paths);
    return true;
}

struct CSpread
{
    double median;
    double lowest;
    double highest;
};

CSpread SpreadOf(const std::vector<CRoundTimes>& rounds, double (*measure)(const CRoundTimes&))
{
    std::vector<double> values;
    for (const CRoundTimes& round : rounds)
        values.push_back(measure(round));
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    const double median = values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
    return {median, values.front(), values.back()};
}

void PrintSpread(const char* label, const std::vector<CRoundTimes>& rounds, double (*measure)(const CRoundTimes&),
                 const char* unit)
{
    const CSpread spread = SpreadOf(rounds, measure);
    std::printf("  %-38s median %7.3f%s  (%.3f to %.3f)\n", label, spread.median, unit, spread.lowest, spread.highest);
}

void PrintRound(const std::string& label, const CRoundTimes& times)
{
    std::printf("%s: conversion %.3f s (+ sync %.3f s), processor %.3f s + server %.3f s; plain I/O %.3f s "
                "(+ sync %.3f s), processor %.3f s + server %.3f s; ratios: processor %.2f, wall with sync %.2f\n",
                label.c_str(), times.conversion.wallSeconds, times.conversion.syncSeconds,
                times.conversion.processorSeconds, times.conversion.serverSeconds, times.plain.wallSeconds,
                times.plain.syncSeconds, times.plain.processorSeconds, times.plain.serverSeconds,
                times.ProcessorRatio(), times.WallWithSyncRatio());
}

void PrintSummary(const std::vector<CRoundTimes>& rounds, double imageMegabytes)
{
    std::printf("over %zu rounds:\n", rounds.size());
    PrintSpread("conversion wall", rounds, [](const CRoundTimes& t) { return t.conversion.wallSeconds; }, " s");
    PrintSpread("conversion wall with sync", rounds,
                [](const CRoundTimes& t) { return t.conversion.WallWithSyncSeconds(); }, " s");
    PrintSpread("conversion processor (own)", rounds,
                [](const CRoundTimes& t) { return t.conversion.processorSeconds; }, " s");
    PrintSpread("conversion processor (Wine server)", rounds,
                [](const CRoundTimes& t) { return t.conversion.serverSeconds; }, " s");
    PrintSpread("plain I/O wall", rounds, [](const CRoundTimes& t) { return t.plain.wallSeconds; }, " s");
    PrintSpread("plain I/O wall with sync", rounds, [](const CRoundTimes& t) { return t.plain.WallWithSyncSeconds(); },
                " s");
    PrintSpread("plain I/O processor (own)", rounds, [](const CRoundTimes& t) { return t.plain.processorSeconds; },
                " s");
    PrintSpread("plain I/O processor (Wine server)", rounds,
                [](const CRoundTimes& t) { return t.plain.serverSeconds; }, " s");
    const CSpread wall = SpreadOf(rounds, [](const CRoundTimes& t) { return t.conversion.wallSeconds; });
    std::printf("  %-38s median %7.1f MB/s\n", "conversion speed", imageMegabytes / wall.median);
    PrintSpread("ratio processor / plain I/O", rounds, [](const CRoundTimes& t) { return t.ProcessorRatio(); }, "  ");
    PrintSpread("ratio wall with sync / plain I/O", rounds,
                [](const CRoundTimes& t) { return t.WallWithSyncRatio(); }, "  ");
}

void PrintDriveModels(const CDiscReadRecord& record, std::int64_t imageSizeInBytes)
{
    const NSDriveModel::CDriveCosts costs = NSDriveModel::PriceReads(record.reads, imageSizeInBytes);
    const double imageSize = static_cast<double>(imageSizeInBytes);
    std::printf("the conversion's reads of the image: %lld requests, %lld jumps, %lld size queries; "
                "%.3f of the image read, %.3f of it read again\n",
                static_cast<long long>(costs.requestCount), static_cast<long long>(costs.jumpCount),
                static_cast<long long>(record.sizeQueryCount), static_cast<double>(costs.distinctBytesRead) / imageSize,
                static_cast<double>(costs.bytesRequested - costs.distinctBytesRead) / imageSize);
    std::printf("  %-38s %7.1f s against %.1f s sequential: %.2f times\n", "drive with 100 ms jumps",
                costs.seekingDriveSeconds, costs.sequentialSeconds, costs.seekingDriveSeconds / costs.sequentialSeconds);
    std::printf("  %-38s %7.1f s against %.1f s sequential: %.2f times\n", "kind drive", costs.kindDriveSeconds,
                costs.sequentialSeconds, costs.kindDriveSeconds / costs.sequentialSeconds);
}

int Run(const char* program, const char* sizeText, const std::string& workPath, std::int32_t roundCount)
{
    NSAkaiConversion::InstallConversionTexts();
    NSAkaiParser::InstallParserTexts();

    std::filesystem::remove_all(workPath);
    std::filesystem::create_directories(workPath);
    const std::string imagePath = workPath + "/bench.img";
    const std::string quotedImagePath = "\"" + imagePath + "\"";
    const char* const makeArguments[] = {program, kMakeImageOption, sizeText, quotedImagePath.c_str(), nullptr};
    if (_spawnv(_P_WAIT, program, makeArguments) != 0) {
        std::printf("the image could not be made\n");
        return 1;
    }
    const NSTramvell::CFileSpec imageSpec(NSTramvell::MakeFullPath(imagePath));
    const double imageMegabytes = static_cast<double>(std::filesystem::file_size(imagePath)) / 1048576.0;
    const std::string outputPath = workPath + "/out";
    const std::string plainPath = workPath + "/plain";
    const CWineServerClock server;
    if (!server.IsReadable())
        std::printf("(the Wine server's processor time cannot be read here: counted as 0)\n");

    COutputFiles output;
    CDiscReadRecord discReads;
    std::vector<CRoundTimes> rounds;
    for (std::int32_t round = 0; round <= roundCount; ++round) {
        // Each step that writes starts right after the other's output was deleted, so both write into a
        // cache in the same state.
        std::filesystem::remove_all(plainPath);
        std::filesystem::create_directories(outputPath);
        CRoundTimes times;
        {
            const CStepClock clock(server);
            ReadPlainly(imageSpec);
            times.plain.Add(clock);
        }
        if (!TimeConversion(imageSpec, outputPath, server, times.conversion, discReads))
            return 1;

        output = ListOutputFiles(outputPath);
        std::int32_t largest = 0;
        for (const std::int32_t size : output.sizes)
            largest = std::max(largest, size);
        const std::vector<std::uint8_t> bytes(static_cast<std::size_t>(largest), 0x5A);
        std::filesystem::remove_all(outputPath);
        std::filesystem::create_directories(plainPath);
        std::vector<std::string> plainFiles;
        {
            const CStepClock clock(server);
            plainFiles = WritePlainly(plainPath, output.sizes, bytes);
            times.plain.Add(clock);
        }
        times.plain.syncSeconds = TimeSync(plainFiles);
        PrintRound(round == 0 ? "warm-up" : "round " + std::to_string(round), times);
        if (round > 0)
            rounds.push_back(times);
    }

    std::printf("image: %.1f MB; output: %zu files, %.1f MB\n", imageMegabytes, output.paths.size(),
                static_cast<double>(output.byteCount) / 1048576.0);
    PrintSummary(rounds, imageMegabytes);
    PrintDriveModels(discReads, static_cast<std::int64_t>(std::filesystem::file_size(imagePath)));
    std::printf("peak working set: %.1f MB\n", static_cast<double>(GetPeakWorkingSetInBytes()) / 1048576.0);
    std::filesystem::remove_all(workPath);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const bool makeImage = argc == 4 && std::string(argv[1]) == kMakeImageOption;
    const std::int32_t roundCount =
        !makeImage && argc == 4 ? static_cast<std::int32_t>(std::strtol(argv[3], nullptr, 10)) : kLeastRoundCount;
    if ((argc != 3 && argc != 4) || roundCount < kLeastRoundCount) {
        std::fprintf(stderr, "usage: DravimConvertBench SIZE_MB WORKFOLDER [ROUNDS, at least %d]\n", kLeastRoundCount);
        return 2;
    }
    NSTramvell::BindPlatformTables();
    int exitCode = 1;
    try {
        if (makeImage)
            exitCode = MakeImage(std::strtoull(argv[2], nullptr, 10), argv[3]);
        else
            exitCode = Run(argv[0], argv[1], argv[2], roundCount);
    } catch (const std::exception& failure) {
        std::printf("the benchmark failed: %s\n", failure.what());
    }
    std::fflush(stdout);
    NSTramvell::ReleasePlatformTables();
    return exitCode;
}
