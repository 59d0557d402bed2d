#include "app/coordinator/CoordinatorAnswers.h"

#include "app/coordinator/ConversionHost.h"
#include "conversion/disc/ProgressListener.h"
#include "conversion/log/ErrorListener.h"
#include "conversion/packer/PackerProgressListener.h"

namespace NSConversionCoordinator {

std::uint32_t AskDeleteOrKeep(IConversionHost& host)
{
    // [Delete][Keep]: Keep is button 1, Delete button 2.
    return host.ShowAlert(kNotAllConvertedAlert, std::string()) == kButton2 ? kDeleteOutput : kKeepOutput;
}

std::uint32_t StopRequestOnStop(std::uint64_t bytesWritten, IConversionHost& host)
{
    if (bytesWritten == 0)
        return kStopDeleteOutput;
    return AskDeleteOrKeep(host) == kKeepOutput ? kStopKeepOutput : kStopDeleteOutput;
}

std::uint32_t ErrorListenerAnswer(std::uint32_t dialogAnswer, std::uint64_t bytesWritten, IConversionHost& host)
{
    switch (dialogAnswer) {
    case kErrorDialogIgnoreAll:
        return NSErrorListener::kIgnoreAllErrors;
    case kErrorDialogAbort:
        if (bytesWritten == 0)
            return NSErrorListener::kAbortKeepOutput;
        return AskDeleteOrKeep(host) == kKeepOutput ? NSErrorListener::kAbortKeepOutput
                                                    : NSErrorListener::kAbortDeleteOutput;
    default:
        return NSErrorListener::kIgnoreError;
    }
}

std::uint32_t ProgressAnswer(std::uint32_t stopRequest)
{
    switch (stopRequest) {
    case kStopKeepOutput:
        return NSProgressListener::kStopKeepOutput;
    case kStopDeleteOutput:
        return NSProgressListener::kStopDeleteOutput;
    default:
        return NSProgressListener::kGoOn;
    }
}

std::uint32_t PackerAnswer(std::uint32_t stopRequest)
{
    const bool stopped = stopRequest == kStopKeepOutput || stopRequest == kStopDeleteOutput;
    return stopped ? NSKapletPackerInterface::kPackerStop : NSKapletPackerInterface::kPackerGoOn;
}

bool DeletesTemporaryFolder(std::uint32_t packingAbortedAnswer)
{
    return packingAbortedAnswer == kButton1;
}

bool DeletesAfterAbort(std::uint32_t abortedKeepFilesAnswer)
{
    return abortedKeepFilesAnswer == kButton2;
}

} // namespace NSConversionCoordinator
