#pragma once

// One conversion of one Akai disc, from the chosen destination to the result: the coordinator runs the
// converter with itself as its listener (progress page, conversion-error dialog, Stop), then ejects the
// disc, hands an archive's folder to the packer, writes the log, tells the user how it ended and deletes
// what the user chose to delete. It reaches the application only through IConversionHost, and its last
// step asks the host to end the conversion, which deletes it. Windows builds only.

#include "app/coordinator/ConversionRecords.h"
#include "app/coordinator/ScreenSaverPreventer.h"
#include "conversion/disc/ProgressListener.h"
#include "conversion/log/ErrorListener.h"
#include "conversion/packer/PackerProgressListener.h"
#include "framework/foundation/files/FileSpec.h"

#include <cstdint>
#include <memory>
#include <string>

namespace NSBrakvel {
class CVolumeHolder;
}

namespace NSConversionCoordinator {

class IConversionHost;

class CConversionCoordinator final : public NSErrorListener::IErrorListener,
                                     public NSProgressListener::IProgressListener,
                                     public NSKapletPackerInterface::IKapletPackerProgressListener
{
public:
    // Folder mode: folderSpec names the (empty) output folder, archiveSpec is null. Archive mode:
    // archiveSpec names the archive, folderSpec is null, and "<stem> Temp Folder" (numbered past existing
    // folders) is made beside the archive to convert into. The volume holder is taken from the caller
    // only once nothing can fail any more: a constructor that throws leaves it where it was. host is
    // borrowed and outlives the coordinator.
    CConversionCoordinator(IConversionHost& host, std::unique_ptr<NSBrakvel::CVolumeHolder>& volumeHolder,
                           std::unique_ptr<NSTramvell::CFileSpec> archiveSpec,
                           std::unique_ptr<NSTramvell::CDirSpec> folderSpec, std::uint8_t outputMode);
    CConversionCoordinator(const CConversionCoordinator&) = delete;
    CConversionCoordinator& operator=(const CConversionCoordinator&) = delete;
    ~CConversionCoordinator();

    // The whole conversion. It ends by the host's EndConversion, which deletes this coordinator, so the
    // caller must not touch it after Run returns; should Run throw, the conversion may not have ended.
    void Run();

    // The converter over a fresh log and disc media; whatever fails, including making the two, comes back
    // as an aborted result with its cause.
    static std::unique_ptr<CConversionResult> Convert(NSBrakvel::CVolumeHolder& volumeHolder,
                                                      const NSTramvell::CDirSpec& outputFolder,
                                                      std::uint8_t outputMode,
                                                      NSProgressListener::IProgressListener& progressListener,
                                                      NSErrorListener::IErrorListener& errorListener);

    // The Stop button: with nothing written the output goes, else the user is asked. The next progress
    // report carries the request to the converter.
    void AskKeepPartialOutput();
    void SetRunState(std::uint32_t runState) { mRunState = runState; }

    std::uint32_t ReportError(std::string message) override;
    std::uint32_t ReportProgress(std::uint32_t done, std::uint32_t total, const std::string& partitionName,
                                 const std::string& volumeName, const std::string& message,
                                 std::uint64_t bytesWritten) override;
    void StartTiming() override;
    std::uint32_t ReportPackerPhase(std::uint32_t phase) override;

    std::uint32_t GetRunState() const { return mRunState; }
    std::uint32_t GetStopRequest() const { return mStopRequest; }
    std::uint64_t GetBytesWritten() const { return mBytesWritten; }
    const NSTramvell::CDirSpec& GetOutputFolder() const { return mOutputFolder; }
    const std::string& GetDestinationName() const { return mDestinationName; }

private:
    void FinishConversion(const CConversionResult& result);
    void EjectDisc(std::uint32_t& converterResult);
    bool PackOutput(std::uint32_t& converterResult);
    void AfterPacking(bool packed, std::uint32_t& converterResult);
    void CompleteConversion(std::uint32_t converterResult, const CConversionResult& result, bool packed);
    void WriteLog(std::uint32_t converterResult, bool aborted, const NSLogger::CLogTree& partitions);
    void ShowResult(std::uint32_t converterResult, bool aborted, const std::string& cause);
    void ShowFinishingText(std::int32_t messageId);
    void DeleteOutput();

    IConversionHost& mHost;
    std::unique_ptr<NSBrakvel::CVolumeHolder> mVolumeHolder;
    std::unique_ptr<NSTramvell::CFileSpec> mArchiveSpec;   // null in folder mode
    NSTramvell::CDirSpec mOutputFolder;
    std::string mDestinationName;   // shown as "Destination", and the log file's stem
    std::uint8_t mOutputMode;
    std::uint32_t mRunState;
    std::uint32_t mStopRequest;
    std::uint32_t mStartTimeMs = 0;
    std::uint64_t mBytesWritten = 0;   // the last non-zero count the converter reported
    std::uint32_t mConverterResult = 0;
    CScreenSaverPreventer mScreenSaverBlocker;
};

} // namespace NSConversionCoordinator
