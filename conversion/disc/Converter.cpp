#include "conversion/disc/Converter.h"

#include "akai/filesystem/AkaiFileSystem.h"
#include "akai/filesystem/ReadAheadDiskMedia.h"
#include "conversion/disc/FolderUtilities.h"
#include "conversion/disc/OutputNames.h"
#include "conversion/disc/ProgressListener.h"
#include "conversion/disc/ProgressReport.h"
#include "conversion/disc/VolumeConversion.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/core/KeptBlocks.h"

#include <string>

namespace NSAkaiConversion {
namespace {

using NSConverter::EStepOutcome;
using NSConverter::GetConversionString;
using NSConverter::IsStop;

NSTramvell::CDirSpec CreateUniqueFolder(const NSTramvell::CDirSpec& parent, const std::string& name,
                                        std::string& createdName)
{
    const NSTramvell::CDirectoryName folderName = MakeUniqueFolderName(parent, name);
    createdName = folderName.GetString();
    return NSTramvell::CreateFolder(parent, folderName);
}

// The walk's reports carry no byte count: the volumes report theirs.
EStepOutcome ReportWalkStep(NSProgressListener::IProgressListener& listener, std::uint32_t done, std::uint32_t total,
                            const std::string& partitionName, const std::string& volumeName,
                            const std::string& message)
{
    return ReportProgress(listener, done, total, partitionName, volumeName, message, 0);
}

std::uint32_t ToConversionResult(EStepOutcome outcome)
{
    switch (outcome) {
    case EStepOutcome::kStopKeepOutput:
        return kConversionStoppedKeepOutput;
    case EStepOutcome::kStopDeleteOutput:
        return kConversionStoppedDeleteOutput;
    case EStepOutcome::kGoOn:
        break;
    }
    return kConversionCompleted;
}

EStepOutcome WalkDisk(NSProgressListener::IProgressListener& progressListener,
                      NSErrorListener::IErrorListener& errorListener, NSLogger::ILog& log,
                      NSAkaiFileSystem::IAkaiDiskMedia& diskMedia, const NSTramvell::CDirSpec& outputFolder,
                      std::uint8_t outputMode)
{
    const std::string noPartition = GetConversionString(kNoPartitionNameId);
    const std::string noVolume = GetConversionString(kNoVolumeNameId);
    if (const EStepOutcome outcome = ReportWalkStep(progressListener, 0, 1, noPartition, noVolume,
                                                    GetConversionString(kExaminingDiskId));
        IsStop(outcome))
        return outcome;

    const NSAkaiFileSystem::CAkaiFileSystem fileSystem(diskMedia);
    const std::int16_t partitionCount = fileSystem.GetPartitionCount();
    std::uint64_t bytesWritten = 0;
    bool ignoreAllErrors = false;
    progressListener.StartTiming();

    const auto n = static_cast<std::uint32_t>(partitionCount);
    for (std::int16_t p = 0; p < partitionCount; ++p) {
        if (const EStepOutcome outcome = ReportWalkStep(progressListener, static_cast<std::uint32_t>(p), n,
                                                        noPartition, noVolume,
                                                        GetConversionString(kExaminingPartitionId));
            IsStop(outcome))
            return outcome;
        std::string partitionName;
        const NSTramvell::CDirSpec partitionFolder =
            CreateUniqueFolder(outputFolder, fileSystem.GetPartitionName(p), partitionName);

        const std::int16_t volumeCount = fileSystem.GetVolumeCount(p);
        const auto m = static_cast<std::uint32_t>(volumeCount);
        for (std::int16_t v = 0; v < volumeCount; ++v) {
            const std::uint32_t current = static_cast<std::uint32_t>(p) * m + static_cast<std::uint32_t>(v);
            if (const EStepOutcome outcome = ReportWalkStep(progressListener, current, n * m, partitionName,
                                                            noVolume, GetConversionString(kExaminingVolumeId));
                IsStop(outcome))
                return outcome;
            std::string volumeName;
            NSTramvell::CDirSpec volumeFolder = CreateUniqueFolder(
                partitionFolder,
                NSAkaiConversionImplementation::MakeVolumeFolderText(fileSystem.GetVolumeName(p, v), v + 1),
                volumeName);

            CVolumeConversion volume({
                .progressListener = progressListener,
                .errorListener = errorListener,
                .log = log,
                .fileSystem = fileSystem,
                .partition = p,
                .volume = v,
                .partitionName = partitionName,
                .volumeName = std::move(volumeName),
                .volumeFolder = std::move(volumeFolder),
                .outputMode = outputMode,
                .current = current,
                .total = n * m,
                .bytesWritten = bytesWritten,
                .ignoreAllErrors = ignoreAllErrors,
            });
            const EStepOutcome outcome = volume.ConvertVolume();
            bytesWritten = volume.GetBytesWritten();
            ignoreAllErrors = volume.GetIgnoreAllErrors();
            if (IsStop(outcome))
                return outcome;
        }
    }
    return ReportWalkStep(progressListener, 1, 1, noPartition, noVolume, std::string());
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
    // The walk asks for small headers over and over, and for the files one after the other: on a drive
    // whose every jump costs a tenth of a second, those come from blocks read ahead.
    NSAkaiFileSystem::CReadAheadDiskMedia disc(diskMedia);
    return ToConversionResult(WalkDisk(progressListener, errorListener, log, disc, outputFolder, outputMode));
}

} // namespace NSAkaiConversion
