#include "tools/DriveModel.h"

#include <gtest/gtest.h>

namespace {

using NSDriveModel::CDiscRead;
using NSDriveModel::PriceReads;

constexpr std::int64_t kDisc = 100 << 20;
constexpr double kRate = NSDriveModel::kBytesPerSecond;

TEST(DriveModel, PricesJumpsByWhereEachReadStarts)
{
    const std::int64_t kGap = NSDriveModel::kReadThroughGapInBytes;
    struct CCase
    {
        const char* name;
        std::vector<CDiscRead> reads;
        std::int64_t jumps;
        double seekingExtra;  // beyond requests and transfer
        double kindExtra;
    };
    const CCase kCases[] = {
        {"end to end", {{0, 4096}, {4096, 4096}}, 0, 0.0, 0.0},
        {"first read away from the start", {{kDisc / 2, 4096}}, 1, 0.1, 0.030 + 0.070 * 0.5},
        {"short forward gap read through", {{0, 4096}, {4096 + kGap, 4096}}, 1, 0.1, kGap / kRate},
        {"forward gap one byte too long", {{0, 4096}, {4096 + kGap + 1, 4096}}, 1, 0.1,
         0.030 + 0.070 * (kGap + 1) / static_cast<double>(kDisc)},
        {"back to the start", {{0, 4096}, {kDisc / 4, 4096}, {0, 4096}}, 2, 0.2,
         2 * 0.030 + 0.070 * 0.5},  // out by a quarter less 4096, back by a quarter and 4096
    };
    for (const CCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const auto costs = PriceReads(c.reads, kDisc);
        const double base = static_cast<double>(c.reads.size()) * 0.0005 + costs.bytesRequested / kRate;
        EXPECT_EQ(costs.requestCount, static_cast<std::int64_t>(c.reads.size()));
        EXPECT_EQ(costs.jumpCount, c.jumps);
        EXPECT_NEAR(costs.seekingDriveSeconds, base + c.seekingExtra, 1e-9);
        EXPECT_NEAR(costs.kindDriveSeconds, base + c.kindExtra, 1e-9);
        EXPECT_NEAR(costs.sequentialSeconds, 0.0005 + costs.bytesRequested / kRate, 1e-9);
    }
}

TEST(DriveModel, CountsARereadByteOnceAmongTheDistinctOnes)
{
    const auto costs = PriceReads({{1000, 500}, {0, 100}, {1200, 800}, {50, 100}, {0, 0}}, kDisc);
    EXPECT_EQ(costs.requestCount, 4);  // the empty read asks the drive nothing
    EXPECT_EQ(costs.bytesRequested, 1500);
    EXPECT_EQ(costs.distinctBytesRead, 150 + 1000);
}

} // namespace
