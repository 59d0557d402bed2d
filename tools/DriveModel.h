#pragma once

// What the reads a conversion makes of a disc would cost on an optical drive, by two simple models of
// one: the reads are replayed in the order they were made, each priced by where it starts against where
// the one before ended. Both are set against one sequential read of the same number of bytes.

#include <cstdint>
#include <vector>

namespace NSDriveModel {

struct CDiscRead
{
    std::int64_t position;
    std::int64_t length;
};

struct CDriveCosts
{
    std::int64_t requestCount = 0;
    std::int64_t jumpCount = 0;          // reads that do not start where the one before ended
    std::int64_t bytesRequested = 0;     // with every re-read counted again
    std::int64_t distinctBytesRead = 0;  // each byte of the disc counted once however often it was read
    double seekingDriveSeconds = 0.0;    // 0.5 ms a request, 100 ms a jump
    double kindDriveSeconds = 0.0;       // short forward gaps read through; other jumps by their distance
    double sequentialSeconds = 0.0;      // one request for bytesRequested
};

constexpr double kBytesPerSecond = 7.0 * 1048576.0;
constexpr double kRequestSeconds = 0.0005;
constexpr double kJumpSeconds = 0.100;
// The kind drive reads through a forward gap up to this size rather than seek over it; any other jump
// costs the fixed part plus the distance part in proportion to the distance against the disc's size.
constexpr std::int64_t kReadThroughGapInBytes = 256 * 1024;
constexpr double kKindJumpFixedSeconds = 0.030;
constexpr double kKindJumpDistanceSeconds = 0.070;

// The first read is a jump unless it starts at 0, where the drive's head is taken to rest.
CDriveCosts PriceReads(const std::vector<CDiscRead>& reads, std::int64_t discSizeInBytes);

} // namespace NSDriveModel
