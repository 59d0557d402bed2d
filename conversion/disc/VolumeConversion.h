#pragma once

// The conversion of one Akai volume into its output folder, in four phases: read and parse every
// program and sample file; pair stereo halves and name the output files; write one WAVE file per output
// sample; write one patch file per program. Windows builds only (it stores files).

#include "conversion/log/ItemErrorReport.h"
#include "conversion/patch/OutputSampleRecord.h"
#include "conversion/patch/ZoneSamples.h"
#include "framework/foundation/files/FileSpec.h"

#include <cstdint>
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

// Made by the disk walk for one volume and run once. The listeners, the log and the file system are
// borrowed. A failing file is reported and skipped unless the user stops; running out of memory, a full
// disk, a disc that cannot be read and any failure to store a file abort the whole conversion: the file
// is logged as skipped and the exception passes on.
class CVolumeConversion
{
public:
    // partitionName and volumeName are the names of the folders that the walk created for them.
    CVolumeConversion(NSProgressListener::IProgressListener& progressListener, std::uint32_t current,
                      std::uint32_t total, NSErrorListener::IErrorListener& errorListener, NSLogger::ILog& log,
                      std::uint64_t bytesWritten, bool ignoreAllErrors, const NSTramvell::CDirSpec& volumeFolder,
                      const NSAkaiFileSystem::CAkaiFileSystem& fileSystem, std::int16_t partition, std::int16_t volume,
                      std::string partitionName, std::string volumeName, std::uint8_t outputMode);
    CVolumeConversion(const CVolumeConversion&) = delete;
    CVolumeConversion& operator=(const CVolumeConversion&) = delete;
    ~CVolumeConversion();

    // 0 done (skipped files included), 1 stop keeping the output, 2 stop deleting it.
    std::uint32_t ConvertVolume();

    std::uint64_t GetBytesWritten() const { return mBytesWritten; }
    bool GetIgnoreAllErrors() const { return mIgnoreAllErrors; }

private:
    std::uint32_t ReadFiles();
    std::uint32_t ReadFile(std::int32_t index, std::string& message);
    std::uint32_t WriteSamples();
    std::uint32_t WriteSample(std::size_t index);
    std::uint32_t WritePatches();
    std::uint32_t WritePatch(std::size_t index);

    std::vector<std::string> MakeSampleNotes(const COutputSampleRecord& record) const;
    std::uint32_t ReportFailure(const std::exception* failure, const std::string& fileName, bool isSample,
                                bool converting);

    // Each turns the listener's answer into 0 go on, 1 stop keeping, 2 stop deleting.
    std::uint32_t Report(const std::string& message);
    std::uint32_t Advance(std::uint64_t byteCount, const std::string& message);
    void ScaleProgress(std::uint32_t factor);
    void UnscaleProgress(std::uint32_t divisor);

    NSProgressListener::IProgressListener& mProgressListener;
    std::uint32_t mCurrent;
    std::uint32_t mTotal;
    NSErrorListener::IErrorListener& mErrorListener;
    NSLogger::ILog& mLog;
    std::uint64_t mBytesWritten;
    bool mIgnoreAllErrors;
    NSTramvell::CDirSpec mVolumeFolder;
    const NSAkaiFileSystem::CAkaiFileSystem& mFileSystem;
    std::int16_t mPartition;
    std::int16_t mVolume;
    std::vector<std::unique_ptr<NSAkaiParser::IAkaiSample>> mSamples;
    std::vector<std::unique_ptr<NSAkaiParser::IAkaiProgram>> mPrograms;
    std::vector<std::vector<std::string>> mSampleNotes;
    std::vector<std::vector<std::string>> mProgramNotes;
    COutputSampleRecords mOutputSamples;
    CZoneTable mSampleNameTable;
    std::string mPartitionName;
    std::string mVolumeName;
    std::uint8_t mOutputMode;
};

} // namespace NSAkaiConversion
