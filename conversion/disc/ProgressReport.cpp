#include "conversion/disc/ProgressReport.h"

#include "conversion/disc/ProgressListener.h"

namespace NSAkaiConversion {

NSConverter::EStepOutcome ReportProgress(NSProgressListener::IProgressListener& listener, std::uint32_t done,
                                         std::uint32_t total, const std::string& partitionName,
                                         const std::string& volumeName, const std::string& message,
                                         std::uint64_t bytesWritten)
{
    switch (listener.ReportProgress(done, total, partitionName, volumeName, message, bytesWritten)) {
    case NSProgressListener::kStopKeepOutput:
        return NSConverter::EStepOutcome::kStopKeepOutput;
    case NSProgressListener::kStopDeleteOutput:
        return NSConverter::EStepOutcome::kStopDeleteOutput;
    default:
        return NSConverter::EStepOutcome::kGoOn;
    }
}

} // namespace NSAkaiConversion
