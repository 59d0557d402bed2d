#include "tools/DriveModel.h"

#include <algorithm>
#include <cstdlib>

namespace NSDriveModel {
namespace {

std::int64_t CountDistinctBytes(std::vector<CDiscRead> reads)
{
    std::sort(reads.begin(), reads.end(),
              [](const CDiscRead& a, const CDiscRead& b) { return a.position < b.position; });
    std::int64_t count = 0;
    std::int64_t coveredTo = 0;  // the end of the bytes counted so far
    for (const CDiscRead& read : reads) {
        const std::int64_t end = read.position + read.length;
        const std::int64_t start = std::max(read.position, coveredTo);
        if (end > start) {
            count += end - start;
            coveredTo = end;
        }
    }
    return count;
}

} // namespace

CDriveCosts PriceReads(const std::vector<CDiscRead>& reads, std::int64_t discSizeInBytes)
{
    CDriveCosts costs;
    const double discSize = static_cast<double>(std::max<std::int64_t>(discSizeInBytes, 1));
    std::int64_t previousEnd = 0;
    for (const CDiscRead& read : reads) {
        if (read.length <= 0)
            continue;
        ++costs.requestCount;
        costs.bytesRequested += read.length;
        const double transferSeconds = static_cast<double>(read.length) / kBytesPerSecond;
        costs.seekingDriveSeconds += kRequestSeconds + transferSeconds;
        costs.kindDriveSeconds += kRequestSeconds + transferSeconds;
        const std::int64_t gap = read.position - previousEnd;
        if (gap != 0) {
            ++costs.jumpCount;
            costs.seekingDriveSeconds += kJumpSeconds;
            if (gap > 0 && gap <= kReadThroughGapInBytes)
                costs.kindDriveSeconds += static_cast<double>(gap) / kBytesPerSecond;
            else
                costs.kindDriveSeconds +=
                    kKindJumpFixedSeconds + kKindJumpDistanceSeconds * static_cast<double>(std::llabs(gap)) / discSize;
        }
        previousEnd = read.position + read.length;
    }
    costs.distinctBytesRead = CountDistinctBytes(reads);
    if (costs.requestCount > 0)
        costs.sequentialSeconds = kRequestSeconds + static_cast<double>(costs.bytesRequested) / kBytesPerSecond;
    return costs;
}

} // namespace NSDriveModel
