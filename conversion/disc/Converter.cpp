#include "conversion/disc/Converter.h"

#include "akai/filesystem/AkaiFileSystem.h"
#include "conversion/disc/FolderUtilities.h"
#include "conversion/disc/OutputNames.h"
#include "conversion/disc/ProgressListener.h"
#include "conversion/disc/VolumeConversion.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/core/KeptBlocks.h"

#include <string>

namespace NSAkaiConversion {
namespace {

using NSConverter::GetConversionString;

// The walk's reports; each turns the listener's answer into a result of ConvertDisk or 0 to go on.
class CWalkReporter
{
public:
    explicit CWalkReporter(NSProgressListener::IProgressListener& listener) : mListener(listener) {}

    std::uint32_t Report(std::uint32_t done, std::uint32_t total, const std::string& partitionName,
                         const std::string& volumeName, const std::string& message)
    {
        switch (mListener.ReportProgress(done, total, partitionName, volumeName, message, 0)) {
        case NSProgressListener::kStopKeepOutput:
            return kConversionStoppedKeepOutput;
        case NSProgressListener::kStopDeleteOutput:
            return kConversionStoppedDeleteOutput;
        default:
            return kConversionCompleted;
        }
    }

private:
    NSProgressListener::IProgressListener& mListener;
};

NSTramvell::CDirSpec CreateUniqueFolder(const NSTramvell::CDirSpec& parent, const std::string& name,
                                        std::string& createdName)
{
    const NSTramvell::CDirectoryName folderName = MakeUniqueFolderName(parent, name);
    createdName = folderName.GetString();
    return NSTramvell::CreateFolder(parent, folderName);
}

} // namespace

std::uint32_t ConvertDisk(NSProgressListener::IProgressListener& progressListener,
                          NSErrorListener::IErrorListener& errorListener, NSLogger::ILog& log,
                          NSAkaiFileSystem::IAkaiDiskMedia& diskMedia, const NSTramvell::CDirSpec& outputFolder,
                          std::uint8_t outputMode)
{
    // The blocks that held files are kept for the next file while the conversion runs, and given back to
    // the system when it ends, however it ends.
    struct CKeptBlocksRelease
    {
        ~CKeptBlocksRelease() { NSTramvell::ReleaseKeptBlocks(); }
    } const keptBlocksRelease;
    CWalkReporter reporter(progressListener);
    const std::string noPartition = GetConversionString(kNoPartitionNameId);
    const std::string noVolume = GetConversionString(kNoVolumeNameId);
    if (const std::uint32_t result = reporter.Report(0, 1, noPartition, noVolume, GetConversionString(kExaminingDiskId));
        result != kConversionCompleted)
        return result;

    const NSAkaiFileSystem::CAkaiFileSystem fileSystem(diskMedia);
    const std::int16_t partitionCount = fileSystem.GetPartitionCount();
    std::uint64_t bytesWritten = 0;
    bool ignoreAllErrors = false;
    progressListener.StartTiming();

    const auto n = static_cast<std::uint32_t>(partitionCount);
    for (std::int16_t p = 0; p < partitionCount; ++p) {
        if (const std::uint32_t result =
                reporter.Report(static_cast<std::uint32_t>(p), n, noPartition, noVolume,
                                GetConversionString(kExaminingPartitionId));
            result != kConversionCompleted)
            return result;
        std::string partitionName;
        const NSTramvell::CDirSpec partitionFolder =
            CreateUniqueFolder(outputFolder, fileSystem.GetPartitionName(p), partitionName);

        const std::int16_t volumeCount = fileSystem.GetVolumeCount(p);
        const auto m = static_cast<std::uint32_t>(volumeCount);
        for (std::int16_t v = 0; v < volumeCount; ++v) {
            const std::uint32_t current = static_cast<std::uint32_t>(p) * m + static_cast<std::uint32_t>(v);
            if (const std::uint32_t result =
                    reporter.Report(current, n * m, partitionName, noVolume, GetConversionString(kExaminingVolumeId));
                result != kConversionCompleted)
                return result;
            std::string volumeName;
            const NSTramvell::CDirSpec volumeFolder = CreateUniqueFolder(
                partitionFolder,
                NSAkaiConversionImplementation::MakeVolumeFolderText(fileSystem.GetVolumeName(p, v), v + 1),
                volumeName);

            CVolumeConversion volume(progressListener, current, n * m, errorListener, log, bytesWritten,
                                     ignoreAllErrors, volumeFolder, fileSystem, p, v, partitionName, volumeName,
                                     outputMode);
            const std::uint32_t result = volume.ConvertVolume();
            bytesWritten = volume.GetBytesWritten();
            ignoreAllErrors = volume.GetIgnoreAllErrors();
            if (result != kConversionCompleted)
                return result;
        }
    }
    return reporter.Report(1, 1, noPartition, noVolume, std::string());
}

} // namespace NSAkaiConversion
