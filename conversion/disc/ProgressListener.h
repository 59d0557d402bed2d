#pragma once

// How the converter reports progress, and how the user's Stop reaches it: as the answer to the next report.

#include <cstdint>
#include <string>

namespace NSProgressListener {

// Answers of ReportProgress.
constexpr std::uint32_t kStopKeepOutput = 19;
constexpr std::uint32_t kStopDeleteOutput = 20;
constexpr std::uint32_t kGoOn = 21;

// Never deleted through this interface, hence no virtual destructor.
class IProgressListener
{
public:
    // done of total in the converter's current scale; bytesWritten is the running total, 0 meaning
    // "unchanged". The answer is one of the codes above.
    virtual std::uint32_t ReportProgress(std::uint32_t done, std::uint32_t total, const std::string& partitionName,
                                         const std::string& volumeName, const std::string& message,
                                         std::uint64_t bytesWritten) = 0;
    // The moment from which the remaining time is estimated.
    virtual void StartTiming() = 0;

protected:
    ~IProgressListener() = default;
};

} // namespace NSProgressListener
