#include "app/coordinator/ConversionCoordinator.h"

#include "akai/client/AkaiFileSystemBrakvelMedia.h"
#include "akai/client/VolumeHolder.h"
#include "app/coordinator/ConversionHost.h"
#include "app/coordinator/CoordinatorAnswers.h"
#include "app/coordinator/ProgressTexts.h"
#include "conversion/disc/AbortCause.h"
#include "conversion/disc/Converter.h"
#include "conversion/disc/DiscReadFailures.h"
#include "conversion/disc/FolderUtilities.h"
#include "conversion/log/ConversionStrings.h"
#include "conversion/log/HTMLLog.h"
#include "conversion/log/Logger.h"
#include "conversion/packer/KapletPackerInterface.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/platform/TimeBase.h"
#include "framework/foundation/strings/StringManager.h"
#include "framework/foundation/strings/StringUtilities.h"

#include <stdexcept>
#include <utility>

namespace NSConversionCoordinator {
namespace {

constexpr std::int32_t kTemporaryFolderText = 401280061;   // "^0 Temp Folder"

NSTramvell::CDirSpec MakeOutputFolder(const NSTramvell::CFileSpec* archiveSpec,
                                      const NSTramvell::CDirSpec* folderSpec)
{
    if (folderSpec != nullptr)
        return *folderSpec;
    if (archiveSpec == nullptr)
        throw std::invalid_argument("A conversion needs an output folder or an archive");
    const NSTramvell::CDirSpec parent = archiveSpec->GetDirSpec();
    const std::string stem = NSTramvell::GetFileNameStem(archiveSpec->GetFileName());
    const std::string name = NSTramvell::ReplaceParameters(NSTramvell::GetString(kTemporaryFolderText), stem);
    return NSTramvell::CreateFolder(parent, NSAkaiConversion::MakeUniqueFolderName(parent, name));
}

std::string MakeDestinationName(const NSTramvell::CFileSpec* archiveSpec, const NSTramvell::CDirSpec& outputFolder)
{
    if (archiveSpec != nullptr)
        return NSTramvell::GetFileNameStem(archiveSpec->GetFileName());
    return outputFolder.GetFolderName().GetString();
}

} // namespace

CConversionCoordinator::CConversionCoordinator(IConversionHost& host,
                                               std::unique_ptr<NSBrakvel::CVolumeHolder>& volumeHolder,
                                               std::unique_ptr<NSTramvell::CFileSpec> archiveSpec,
                                               std::unique_ptr<NSTramvell::CDirSpec> folderSpec,
                                               std::uint8_t outputMode)
    : mHost(host)
    , mArchiveSpec(folderSpec == nullptr ? std::move(archiveSpec) : nullptr)
    , mOutputFolder(MakeOutputFolder(mArchiveSpec.get(), folderSpec.get()))
    , mDestinationName(MakeDestinationName(mArchiveSpec.get(), mOutputFolder))
    , mOutputMode(outputMode)
    , mRunState(kRunStateCreated)
    , mStopRequest(kNoStopRequest)
{
    if (volumeHolder == nullptr)
        throw std::invalid_argument("A conversion needs a disc");
    mVolumeHolder = std::move(volumeHolder);
}

CConversionCoordinator::~CConversionCoordinator() = default;

void CConversionCoordinator::Run()
{
    mRunState = kRunStateConverting;
    // A local of Run: FinishConversion ends by deleting this coordinator.
    const std::unique_ptr<CConversionResult> result =
        Convert(*mVolumeHolder, mOutputFolder, mOutputMode, *this, *this);
    FinishConversion(*result);
}

std::unique_ptr<CConversionResult> CConversionCoordinator::Convert(
    NSBrakvel::CVolumeHolder& volumeHolder, const NSTramvell::CDirSpec& outputFolder, std::uint8_t outputMode,
    NSProgressListener::IProgressListener& progressListener, NSErrorListener::IErrorListener& errorListener)
{
    std::uint32_t converterResult = NSAkaiConversion::kConversionCompleted;
    bool aborted = false;
    std::string abortCause;
    std::unique_ptr<NSLoggerImplementation::CLogger> log;
    try {
        log = std::make_unique<NSLoggerImplementation::CLogger>();
        CAkaiFileSystemBrakvelMedia drive(volumeHolder);
        NSAkaiConversion::CDiscReadFailures diskMedia(drive);
        converterResult = NSAkaiConversion::ConvertDisk(progressListener, errorListener, *log, diskMedia,
                                                        outputFolder, outputMode);
    } catch (const std::exception& failure) {
        aborted = true;
        converterResult = NSAkaiConversion::kConversionCompleted;
        abortCause = NSAkaiConversion::AbortCause(&failure);
    } catch (...) {
        aborted = true;
        converterResult = NSAkaiConversion::kConversionCompleted;
        abortCause = NSAkaiConversion::AbortCause(nullptr);
    }
    NSLogger::CLogTree partitions = log != nullptr ? log->GetTree() : NSLogger::CLogTree();
    return std::make_unique<CConversionResult>(converterResult, aborted, std::move(abortCause),
                                               std::move(partitions));
}

namespace {

// The cause in the alert of a failure that ended the finishing: its kind when it has a known one, else the
// program's own text for an unexpected error.
std::string FinishingFailureCause(const std::exception* failure)
{
    if (NSAkaiConversion::GetAbortCauseId(failure) == NSAkaiConversion::kAbortedUnexpectedId)
        return NSTramvell::GetString(kUnexpectedErrorCauseText);
    return NSAkaiConversion::AbortCause(failure);
}

} // namespace

void CConversionCoordinator::FinishConversion(const CConversionResult& result)
{
    // Kept apart from the members: the catch may run after EndConversion has deleted the coordinator.
    IConversionHost& host = mHost;
    try {
        host.SetProgress(-1, 100);
        std::uint32_t converterResult = result.GetConverterResult();
        mConverterResult = converterResult;
        EjectDisc(converterResult);
        bool packed = true;
        if (mArchiveSpec != nullptr && converterResult == NSAkaiConversion::kConversionCompleted &&
            !result.IsAborted()) {
            mRunState = kRunStatePacking;
            packed = PackOutput(converterResult);
        } else {
            mRunState = kRunStateFinishing;
        }
        CompleteConversion(converterResult, result, packed);
    } catch (const std::exception& failure) {
        // Ending twice is harmless: the host ends only a conversion that has not ended yet.
        host.ShowAlert(kConversionAbortedAlert, FinishingFailureCause(&failure));
        host.EndConversion();
    } catch (...) {
        host.ShowAlert(kConversionAbortedAlert, FinishingFailureCause(nullptr));
        host.EndConversion();
    }
}

// A disc that cannot be ejected makes the user quit; what was converted is kept, but not packed.
void CConversionCoordinator::EjectDisc(std::uint32_t& converterResult)
{
    try {
        mVolumeHolder->Eject();
    } catch (...) {
        mHost.ShowAlert(kEjectFailedAlert, std::string());
        if (converterResult == NSAkaiConversion::kConversionCompleted)
            converterResult = NSAkaiConversion::kConversionStoppedKeepOutput;
        mHost.TryQuit();
    }
}

bool CConversionCoordinator::PackOutput(std::uint32_t& converterResult)
{
    const bool packed = NSKapletPackerInterface::PackFolder(mOutputFolder, *mArchiveSpec, this);
    AfterPacking(packed, converterResult);
    return packed;
}

void CConversionCoordinator::AfterPacking(bool packed, std::uint32_t& converterResult)
{
    bool deleteTemporaryFolder = true;
    if (!packed) {
        if (DeletesTemporaryFolder(mHost.ShowAlert(kPackingAbortedAlert, std::string()))) {
            converterResult = NSAkaiConversion::kConversionStoppedDeleteOutput;
        } else {
            deleteTemporaryFolder = false;
            converterResult = NSAkaiConversion::kConversionStoppedKeepOutput;
        }
    }
    mRunState = kRunStateFinishing;
    if (deleteTemporaryFolder) {
        ShowFinishingText(kDeletingTemporaryFilesText);
        NSAkaiConversion::ClearFolderContents(mOutputFolder,
                                              [this] { mHost.ShowAlert(kFilesNotDeletedAlert, std::string()); });
        NSTramvell::DeleteFolder(mOutputFolder);
    }
}

void CConversionCoordinator::CompleteConversion(std::uint32_t converterResult, const CConversionResult& result,
                                                bool packed)
{
    mHost.DisableStopButton();
    // A log that cannot be written (a full disk, a folder gone) leaves the rest of the ending as it is:
    // the user still keeps or deletes the files, and learns why the log is missing.
    std::string logFailure;
    if (converterResult != NSAkaiConversion::kConversionStoppedDeleteOutput) {
        try {
            WriteLog(mConverterResult, result.IsAborted(), result.GetPartitions());
        } catch (const std::exception& failure) {
            logFailure = NSAkaiConversion::AbortCause(&failure);
        } catch (...) {
            logFailure = NSAkaiConversion::AbortCause(nullptr);
        }
    }
    bool aborted = result.IsAborted();
    std::string cause = aborted ? result.GetAbortCause() : std::string();
    bool causeShown = false;
    if (packed) {
        // A run that wrote every file ends aborted by its log: the files are the user's to keep or delete.
        if (!aborted && !logFailure.empty() && converterResult == NSAkaiConversion::kConversionCompleted) {
            aborted = true;
            cause = logFailure;
        }
        ShowResult(converterResult, aborted, cause);
        causeShown = aborted && converterResult == NSAkaiConversion::kConversionCompleted;
    }
    if (!logFailure.empty() && !causeShown)
        mHost.ShowAlert(kConversionAbortedAlert, logFailure);
    ShowFinishingText(kFinishedText);
    mRunState = kRunStateDone;
    IConversionHost& host = mHost;
    host.EndConversion();
}

void CConversionCoordinator::WriteLog(std::uint32_t converterResult, bool aborted,
                                      const NSLogger::CLogTree& partitions)
{
    ShowFinishingText(kWritingLogText);
    std::uint32_t endState = NSLogger::kLogCompleted;
    if (converterResult == NSAkaiConversion::kConversionCompleted)
        endState = aborted ? NSLogger::kLogFailed : NSLogger::kLogCompleted;
    else if (converterResult == NSAkaiConversion::kConversionStoppedKeepOutput ||
             converterResult == NSAkaiConversion::kConversionStoppedDeleteOutput)
        endState = NSLogger::kLogAbortedByUser;
    const NSTramvell::CDirSpec logFolder = mArchiveSpec != nullptr ? mArchiveSpec->GetDirSpec() : mOutputFolder;
    NSLoggerImplementation::CLogger::WriteHTMLLog(partitions,
                                                  NSAkaiConversion::MakeLogFileSpec(logFolder, mDestinationName),
                                                  mDestinationName, endState);
}

void CConversionCoordinator::ShowResult(std::uint32_t converterResult, bool aborted, const std::string& cause)
{
    bool deleteOutput = converterResult == NSAkaiConversion::kConversionStoppedDeleteOutput;
    if (converterResult == NSAkaiConversion::kConversionCompleted) {
        ShowFinishingText(kFinishedText);
        mHost.UpdateWindowsNow();
        if (!aborted) {
            mHost.ShowAlert(kConversionCompletedAlert, std::string());
            return;
        }
        if (mBytesWritten == 0) {
            mHost.ShowAlert(kConversionAbortedAlert, cause);
            return;
        }
        deleteOutput = DeletesAfterAbort(mHost.ShowAlert(kAbortedKeepFilesAlert, cause));
    }
    if (deleteOutput)
        DeleteOutput();
}

void CConversionCoordinator::DeleteOutput()
{
    ShowFinishingText(kDeletingConvertedFilesText);
    NSAkaiConversion::ClearFolderContents(mOutputFolder,
                                          [this] { mHost.ShowAlert(kFilesNotDeletedAlert, std::string()); });
    if (mArchiveSpec != nullptr)
        NSTramvell::DeleteFolder(mOutputFolder);
}

void CConversionCoordinator::ShowFinishingText(std::int32_t messageId)
{
    mHost.SetProgressText(NSTramvell::GetString(kFinishingHeading),
                          FinishingBody(mDestinationName, mBytesWritten, messageId));
    mHost.ProcessPendingEvents();
}

void CConversionCoordinator::AskKeepPartialOutput()
{
    mStopRequest = StopRequestOnStop(mBytesWritten, mHost);
}

std::uint32_t CConversionCoordinator::ReportError(std::string message)
{
    return ErrorListenerAnswer(mHost.RunConversionErrorDialog(message), mBytesWritten, mHost);
}

std::uint32_t CConversionCoordinator::ReportProgress(std::uint32_t done, std::uint32_t total,
                                                     const std::string& partitionName,
                                                     const std::string& volumeName, const std::string& message,
                                                     std::uint64_t bytesWritten)
{
    const std::uint32_t nowMs = NSTramvell::ClockToMilliseconds(NSTramvell::GetClock());
    const std::string remainingTime = RemainingTimeText(done, total, nowMs - mStartTimeMs);
    if (bytesWritten != 0)
        mBytesWritten = bytesWritten;
    mHost.SetProgressText(NSTramvell::GetString(kConvertingHeading),
                          ConvertingBody(mDestinationName, mBytesWritten, partitionName, volumeName, message,
                                         remainingTime));
    mHost.SetProgress(static_cast<std::int32_t>(done), static_cast<std::int32_t>(total));
    mHost.ProcessPendingEvents();
    return ProgressAnswer(mStopRequest);
}

void CConversionCoordinator::StartTiming()
{
    mStartTimeMs = NSTramvell::ClockToMilliseconds(NSTramvell::GetClock());
}

std::uint32_t CConversionCoordinator::ReportPackerPhase(std::uint32_t phase)
{
    // The packer holds its input now; stopping is left to the packer's own window.
    if (phase == NSKapletPackerInterface::kPackerFinishing)
        mHost.DisableStopButton();
    mHost.SetProgressText(NSTramvell::GetString(kPackingHeading), PackingBody(mDestinationName, mBytesWritten, phase));
    mHost.ProcessPendingEvents();
    return PackerAnswer(mStopRequest);
}

} // namespace NSConversionCoordinator
