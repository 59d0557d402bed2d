#pragma once

// The converter's one routine for a file it could not read or convert: a sentence for the user, a short
// cause for the log, and the user's answer.

#include "conversion/log/StepOutcome.h"

#include <cstdint>
#include <exception>
#include <string>

namespace NSErrorListener {
class IErrorListener;
}
namespace NSLogger {
class ILog;
}

namespace NSConverter {

// The failed file and where it lies. isSample: a sample file (else a program); converting: the failure
// came while converting (else while reading).
struct CFailedItem
{
    std::string fileName;
    std::string partitionName;
    std::string volumeName;
    bool isSample = false;
    bool converting = false;
};

// The string ids of the long and the short cause for a failure (null for one outside the standard
// exception family), chosen by its dynamic type.
std::uint32_t GetLongCauseId(const std::exception* failure);
std::uint32_t GetShortCauseId(const std::exception* failure);

// Logs the item as skipped with the short cause (a sample in the log's second list, a program in its
// first), then, unless ignoreAllErrors is set, asks the listener. "Ignore All Errors" sets
// ignoreAllErrors. A stop answer stops the conversion; every other answer goes on.
EStepOutcome ReportItemError(const std::exception* failure, const CFailedItem& item,
                             NSErrorListener::IErrorListener& errorListener, NSLogger::ILog& log,
                             bool& ignoreAllErrors);

} // namespace NSConverter
