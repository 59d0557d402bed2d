#include "conversion/log/ItemErrorReport.h"

#include "conversion/log/ConversionStrings.h"
#include "conversion/log/ErrorListener.h"
#include "conversion/log/Log.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/strings/StringUtilities.h"

#include <new>

namespace NSConverter {

using namespace NSAkaiConversion;

std::uint32_t GetLongCauseId(const std::exception* failure)
{
    if (dynamic_cast<const std::bad_alloc*>(failure) != nullptr)
        return kOutOfMemoryCauseId;
    if (dynamic_cast<const NSTramvell::XBadFormat*>(failure) != nullptr ||
        dynamic_cast<const NSTramvell::XUnsupportedFormat*>(failure) != nullptr)
        return kBadFormatCauseId;
    if (dynamic_cast<const XDiskFull*>(failure) != nullptr)
        return kDiskFullCauseId;
    if (dynamic_cast<const NSTramvell::XMedia*>(failure) != nullptr || dynamic_cast<const XFile*>(failure) != nullptr)
        return kDiskErrorCauseId;
    return kUnknownErrorCauseId;
}

std::uint32_t GetShortCauseId(const std::exception* failure)
{
    return GetLongCauseId(failure) + 1;
}

namespace {

void LogSkippedItem(const std::exception* failure, const CFailedItem& item, NSLogger::ILog& log)
{
    const NSLogger::CSkippedEntry entry{item.partitionName, item.volumeName, item.fileName,
                                        GetConversionString(GetShortCauseId(failure))};
    if (item.isSample)
        log.AddSkippedSample(entry);
    else
        log.AddSkippedProgram(entry);
}

} // namespace

EStepOutcome ReportItemError(const std::exception* failure, const CFailedItem& item,
                             NSErrorListener::IErrorListener& errorListener, NSLogger::ILog& log,
                             bool& ignoreAllErrors)
{
    std::uint32_t sentenceId = 0;
    if (item.isSample)
        sentenceId = item.converting ? kSampleNotConvertedId : kSampleNotReadId;
    else
        sentenceId = item.converting ? kProgramNotConvertedId : kProgramNotReadId;
    const std::string sentence = GetConversionString(sentenceId);
    const std::string longCause = GetConversionString(GetLongCauseId(failure));

    LogSkippedItem(failure, item, log);
    if (ignoreAllErrors)
        return EStepOutcome::kGoOn;

    switch (errorListener.ReportError(NSTramvell::ReplaceParameters(sentence, item.fileName, longCause))) {
    case NSErrorListener::kIgnoreAllErrors:
        ignoreAllErrors = true;
        return EStepOutcome::kGoOn;
    case NSErrorListener::kAbortKeepOutput:
        return EStepOutcome::kStopKeepOutput;
    case NSErrorListener::kAbortDeleteOutput:
        return EStepOutcome::kStopDeleteOutput;
    default:
        return EStepOutcome::kGoOn;
    }
}

} // namespace NSConverter
