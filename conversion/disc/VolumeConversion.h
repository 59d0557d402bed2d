#pragma once

// The conversion of one Akai volume into its output folder, in four phases: read and parse every
// program and sample file; pair stereo halves and name the output files; write one WAVE file per output
// sample; write one patch file per program. Windows builds only (it stores files).

#include "conversion/log/StepOutcome.h"
#include "conversion/patch/OutputSampleRecord.h"
#include "conversion/patch/ZoneSamples.h"
#include "framework/foundation/files/FileSpec.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace NSAkaiFileSystem {
class CAkaiFileSystem;
}
namespace NSAkaiParser {
class IAkaiProgram;
class IAkaiSample;
}
namespace NSConverter {
class IOutputFileMedia;
}
namespace NSConverterImplementation {
class COutputFileMemoryMedia;
}
namespace NSErrorListener {
class IErrorListener;
}
namespace NSLogger {
class ILog;
}
namespace NSProgressListener {
class IProgressListener;
}

namespace NSAkaiConversion {

// What the walk hands one volume. The listeners, the log and the file system are borrowed; bytesWritten
// and ignoreAllErrors run on from the volume before and are read back after the volume.
struct CVolumeContext
{
    NSProgressListener::IProgressListener& progressListener;
    NSErrorListener::IErrorListener& errorListener;
    NSLogger::ILog& log;
    const NSAkaiFileSystem::CAkaiFileSystem& fileSystem;
    std::int16_t partition;
    std::int16_t volume;
    // The names of the folders that the walk created for the partition and the volume.
    std::string partitionName;
    std::string volumeName;
    NSTramvell::CDirSpec volumeFolder;
    std::uint8_t outputMode;
    // The volume's step of the walk's progress, which the phases subdivide.
    std::uint32_t current;
    std::uint32_t total;
    std::uint64_t bytesWritten;
    bool ignoreAllErrors;
};

// Made by the disk walk for one volume and run once. Whatever fails one file, from opening it to storing
// and logging its output (memory, a full disk and exceptions of any kind included), is reported and the
// file skipped unless the user stops; only failures outside the files (the volume's own listing) pass on.
class CVolumeConversion
{
public:
    explicit CVolumeConversion(CVolumeContext context);
    CVolumeConversion(const CVolumeConversion&) = delete;
    CVolumeConversion& operator=(const CVolumeConversion&) = delete;
    ~CVolumeConversion();

    // kGoOn when the volume is done, skipped files included.
    NSConverter::EStepOutcome ConvertVolume();

    std::uint64_t GetBytesWritten() const { return mContext.bytesWritten; }
    bool GetIgnoreAllErrors() const { return mContext.ignoreAllErrors; }

private:
    using COutputMedia = std::unique_ptr<NSConverterImplementation::COutputFileMemoryMedia>;

    // One output file, a sample or a patch, as the item step reports, builds, stores and logs it.
    struct COutputItem
    {
        std::string name;
        bool isSample;
        std::uint32_t convertingMessageId;
        std::uint32_t writingMessageId;
        // Builds the file in memory; null when there is nothing to write.
        std::function<COutputMedia()> build;
        // Stores the file in the volume folder and returns the name it was stored under.
        std::function<std::string(NSConverter::IOutputFileMedia& file)> store;
        // Logs the stored file.
        std::function<void(const std::string& storedName, std::uint64_t sizeInBytes)> record;
    };

    NSConverter::EStepOutcome ReadFiles();
    NSConverter::EStepOutcome ReadFile(std::int32_t index, std::string& message);
    NSConverter::EStepOutcome WriteSamples();
    NSConverter::EStepOutcome WriteSample(std::size_t index);
    NSConverter::EStepOutcome WritePatches();
    NSConverter::EStepOutcome WritePatch(std::size_t index);
    NSConverter::EStepOutcome WriteOutputItem(const COutputItem& item);
    // Runs step for each of count items in a progress scale of its own; the first stop ends the phase.
    NSConverter::EStepOutcome ForEachItem(std::size_t count,
                                          const std::function<NSConverter::EStepOutcome(std::size_t)>& step);

    std::vector<std::string> MakeSampleNotes(const COutputSampleRecord& record) const;
    NSConverter::EStepOutcome ReportFailure(const std::exception* failure, const std::string& fileName,
                                            bool isSample, bool converting);
    // Runs step; what it throws goes to the item-error report for the file, whose answer is returned.
    NSConverter::EStepOutcome Guarded(const std::string& fileName, bool isSample, bool converting,
                                      const std::function<NSConverter::EStepOutcome()>& step);

    NSConverter::EStepOutcome Report(const std::string& message);
    NSConverter::EStepOutcome Advance(std::uint64_t byteCount, const std::string& message);
    void ScaleProgress(std::uint32_t factor);
    void UnscaleProgress(std::uint32_t divisor);

    CVolumeContext mContext;
    std::vector<std::unique_ptr<NSAkaiParser::IAkaiSample>> mSamples;
    std::vector<std::unique_ptr<NSAkaiParser::IAkaiProgram>> mPrograms;
    std::vector<std::vector<std::string>> mSampleNotes;
    std::vector<std::vector<std::string>> mProgramNotes;
    COutputSampleRecords mOutputSamples;
    CZoneTable mSampleNameTable;
};

} // namespace NSAkaiConversion
