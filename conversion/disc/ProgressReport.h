#pragma once

// The one place that reads the progress listener's answers, for the walk and for each volume.

#include "conversion/log/StepOutcome.h"

#include <cstdint>
#include <string>

namespace NSProgressListener {
class IProgressListener;
}

namespace NSAkaiConversion {

// Reports the step and turns the answer into a stop (kStopKeepOutput, kStopDeleteOutput) or kGoOn for
// any other answer.
NSConverter::EStepOutcome ReportProgress(NSProgressListener::IProgressListener& listener, std::uint32_t done,
                                         std::uint32_t total, const std::string& partitionName,
                                         const std::string& volumeName, const std::string& message,
                                         std::uint64_t bytesWritten);

} // namespace NSAkaiConversion
