#pragma once

// Value records of the traffic between the converter and the coordinator: one progress report, one error
// message and the result of a whole conversion, each with a tagged stream form (big-endian; a string is
// its 32-bit byte count and its bytes). Readers read the tag without comparing it.

#include "conversion/log/LogTree.h"

#include <cstdint>
#include <string>

namespace NSTramvell {
class CMedia;
}

namespace NSConversionCoordinator {

// The arguments of one ReportProgress.
class CProgressUpdate
{
public:
    CProgressUpdate(std::uint32_t done, std::uint32_t total, std::string partitionName, std::string volumeName,
                    std::string message, std::uint64_t bytesWritten);

    std::uint32_t GetDone() const { return mDone; }
    std::uint32_t GetTotal() const { return mTotal; }
    const std::string& GetPartitionName() const { return mPartitionName; }
    const std::string& GetVolumeName() const { return mVolumeName; }
    const std::string& GetMessage() const { return mMessage; }
    std::uint64_t GetBytesWritten() const { return mBytesWritten; }

private:
    std::uint32_t mDone;
    std::uint32_t mTotal;
    std::string mPartitionName;
    std::string mVolumeName;
    std::string mMessage;
    std::uint64_t mBytesWritten;
};

class CErrorReport
{
public:
    explicit CErrorReport(std::string message);
    const std::string& GetMessage() const { return mMessage; }

private:
    std::string mMessage;
};

// How the converter ended: its result (0 completed, 1 stopped keeping the output, 2 stopped deleting it),
// whether an exception ended it and the text that says why, and a copy of the log's partitions.
class CConversionResult
{
public:
    CConversionResult(std::uint32_t converterResult, bool aborted, std::string abortCause,
                      NSLogger::CLogTree partitions);

    std::uint32_t GetConverterResult() const { return mConverterResult; }
    bool IsAborted() const { return mAborted; }
    const std::string& GetAbortCause() const { return mAbortCause; }
    const NSLogger::CLogTree& GetPartitions() const { return mPartitions; }

private:
    std::uint32_t mConverterResult;
    bool mAborted;
    std::string mAbortCause;
    NSLogger::CLogTree mPartitions;
};

// "PrUD": done, total, the three names, and only the low 32 bits of bytesWritten.
void WriteProgressUpdate(const CProgressUpdate& update, NSTramvell::CMedia& media);
CProgressUpdate ReadProgressUpdate(NSTramvell::CMedia& media);

// "ErRp": the message.
void WriteErrorReport(const CErrorReport& report, NSTramvell::CMedia& media);
CErrorReport ReadErrorReport(NSTramvell::CMedia& media);

// "CoRe": the low 8 bits of the converter result, aborted as one byte (read back as true only for 1),
// the cause, and the partitions: each list as a 32-bit count and its items, each log entry field in
// declaration order (sizes as 64 bits).
void WriteConversionResult(const CConversionResult& result, NSTramvell::CMedia& media);
CConversionResult ReadConversionResult(NSTramvell::CMedia& media);

} // namespace NSConversionCoordinator
