// Measures the conversion of a synthetic disc image against the plain I/O of the same work:
//     DravimConvertBench SIZE_MB WORKFOLDER
// makes an image of about SIZE_MB megabytes of samples in WORKFOLDER (in a child process, so that the
// image held in memory while it is built does not count), then in each of a few rounds reads the image
// once, converts it into WORKFOLDER/out, deletes that output, and writes a new file of each output file's
// size in one write.
// A first round warms up and is not counted: the first time a process writes that much, the system fills
// its cache from memory it has not used before, which costs the conversion (writing first) far more than
// the plain writing after it. It prints every round, then the best of the counted ones: the image bytes
// converted per wall second, the ratio of the conversion's time to the time of the plain reading and
// writing, and the peak working set. The best round is taken because the cost of writing into the system's
// cache changes a lot from run to run with the state of the machine's memory; conversion and plain I/O
// each get the same chances. Each round also prints the processor time the conversion used, which varies
// less. Target on x86_64 under Wine with a warm cache: 300 MB/s or more and a ratio of at most 2.

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
constexpr std::int32_t kRoundCount = 3;

class CSilentListeners final : public NSProgressListener::IProgressListener, public NSErrorListener::IErrorListener
{
public:
    std::uint32_t ReportProgress(std::uint32_t, std::uint32_t, const std::string&, const std::string&, const std::string&,
                                 std::uint64_t bytesWritten) override
    {
        if (bytesWritten != 0)
            lastBytesWritten = bytesWritten;
        return NSProgressListener::kGoOn;
    }
    void StartTiming() override {}
    std::uint32_t ReportError(std::string message) override
    {
        std::printf("error: %s\n", message.c_str());
        return NSErrorListener::kIgnoreError;
    }

    std::uint64_t lastBytesWritten = 0;
};

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Reads the whole file in pieces through the framework's files, as plainly as it can be read.
double TimeReading(const NSTramvell::CFileSpec& file)
{
    const auto start = std::chrono::steady_clock::now();
    NSTramvell::COpenFile input(file);
    const std::int32_t size = input.GetSize();
    std::vector<std::uint8_t> piece(kPieceSizeInBytes);
    for (std::int32_t position = 0; position < size; position += kPieceSizeInBytes)
        input.ReadAt(position, std::min(kPieceSizeInBytes, size - position), piece.data());
    return SecondsSince(start);
}

// Writes one new file of each size, as the conversion wrote them, each in one write.
double TimeWriting(const NSTramvell::CDirSpec& folder, const std::vector<std::int32_t>& fileSizes)
{
    std::int32_t largest = 0;
    for (const std::int32_t size : fileSizes)
        largest = std::max(largest, size);
    const std::vector<std::uint8_t> bytes(static_cast<std::size_t>(largest), 0x5A);
    const auto start = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < fileSizes.size(); ++i) {
        NSTramvell::COpenFile output(NSTramvell::CFileSpec(folder.GetPath(), "plain" + std::to_string(i), ".bin"),
                                     NSTramvell::CMacCreatorCode("????"), NSTramvell::GetUndefinedBinaryDescription());
        output.WriteAt(0, fileSizes[i], bytes.data());
    }
    return SecondsSince(start);
}

constexpr const char* kMakeImageOption = "--make-image";

int MakeImage(std::uint64_t sizeInMegabytes, const std::string& imagePath)
{
    const NSAkaiTestSupport::CDiscImage image = NSConversionTestSupport::MakeBenchmarkDisc(sizeInMegabytes << 20);
    NSConversionTestSupport::WriteBytesToFile(imagePath, image.Bytes());
    return 0;
}

struct CRoundTimes
{
    double readSeconds = 0.0;
    double convertSeconds = 0.0;
    double writeSeconds = 0.0;
    double convertProcessorSeconds = 0.0;
    double PlainSeconds() const { return readSeconds + writeSeconds; }
};

int Run(const char* program, const char* sizeText, const std::string& workPath)
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
    const double imageBytes = static_cast<double>(std::filesystem::file_size(imagePath));
    const std::string outputPath = workPath + "/out";
    const std::string plainPath = workPath + "/plain";

    std::uint64_t fileCount = 0;
    std::uint64_t outputBytes = 0;
    std::vector<CRoundTimes> rounds;
    for (std::int32_t round = 0; round <= kRoundCount; ++round) {
        // Each step that writes starts right after the other's output was deleted, so both write into a
        // cache in the same state.
        std::filesystem::remove_all(plainPath);
        std::filesystem::create_directories(outputPath);
        CRoundTimes times;
        times.readSeconds = TimeReading(imageSpec);

        CSilentListeners listeners;
        NSLoggerImplementation::CLogger logger;
        const double processorStart = GetProcessorSeconds();
        const auto start = std::chrono::steady_clock::now();
        std::uint32_t result = 0;
        {
            CDiskImageDiskMedia image(imageSpec);
            result = NSAkaiConversion::ConvertDisk(listeners, listeners, logger, image,
                                                   NSTramvell::CDirSpec(NSTramvell::MakeFullPath(outputPath)),
                                                   NSAkaiConversion::kFolderOutput);
        }
        times.convertSeconds = SecondsSince(start);
        times.convertProcessorSeconds = GetProcessorSeconds() - processorStart;
        if (result != NSAkaiConversion::kConversionCompleted) {
            std::printf("the conversion stopped with %u\n", result);
            return 1;
        }

        std::vector<std::int32_t> fileSizes;
        outputBytes = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(outputPath)) {
            if (entry.is_regular_file()) {
                fileSizes.push_back(static_cast<std::int32_t>(entry.file_size()));
                outputBytes += entry.file_size();
            }
        }
        fileCount = fileSizes.size();
        std::filesystem::remove_all(outputPath);
        std::filesystem::create_directories(plainPath);
        times.writeSeconds = TimeWriting(NSTramvell::CDirSpec(NSTramvell::MakeFullPath(plainPath)), fileSizes);
        const std::string label = round == 0 ? "warm-up" : "round " + std::to_string(round);
        std::printf("%s: conversion %.3f s (processor %.3f s), plain I/O %.3f s (read %.3f s, write %.3f s), "
                    "ratio %.2f\n",
                    label.c_str(), times.convertSeconds, times.convertProcessorSeconds, times.PlainSeconds(),
                    times.readSeconds, times.writeSeconds, times.convertSeconds / times.PlainSeconds());
        if (round > 0)
            rounds.push_back(times);
    }

    CRoundTimes best = rounds.front();
    for (const CRoundTimes& times : rounds) {
        best.convertSeconds = std::min(best.convertSeconds, times.convertSeconds);
        if (times.PlainSeconds() < best.PlainSeconds()) {
            best.readSeconds = times.readSeconds;
            best.writeSeconds = times.writeSeconds;
        }
    }
    std::printf("image: %.1f MB; output: %llu files, %.1f MB; best of %d rounds:\n", imageBytes / 1048576.0,
                static_cast<unsigned long long>(fileCount), static_cast<double>(outputBytes) / 1048576.0,
                kRoundCount);
    std::printf("conversion: %.3f s, %.1f MB/s\n", best.convertSeconds, imageBytes / 1048576.0 / best.convertSeconds);
    std::printf("plain I/O: %.3f s (read %.3f s, write %.3f s)\n", best.PlainSeconds(), best.readSeconds,
                best.writeSeconds);
    std::printf("ratio conversion / plain I/O: %.2f\n", best.convertSeconds / best.PlainSeconds());
    std::printf("peak working set: %.1f MB\n", static_cast<double>(GetPeakWorkingSetInBytes()) / 1048576.0);
    std::filesystem::remove_all(workPath);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const bool makeImage = argc == 4 && std::string(argv[1]) == kMakeImageOption;
    if (argc != 3 && !makeImage) {
        std::fprintf(stderr, "usage: DravimConvertBench SIZE_MB WORKFOLDER\n");
        return 2;
    }
    NSTramvell::BindPlatformTables();
    int exitCode = 1;
    try {
        if (makeImage)
            exitCode = MakeImage(std::strtoull(argv[2], nullptr, 10), argv[3]);
        else
            exitCode = Run(argv[0], argv[1], argv[2]);
    } catch (const std::exception& failure) {
        std::printf("the benchmark failed: %s\n", failure.what());
    }
    std::fflush(stdout);
    NSTramvell::ReleasePlatformTables();
    return exitCode;
}
