#include "framework/foundation/ipc/ComPortLayout.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/ipc/SyncedFIFO.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

using namespace NSTramvell;

namespace {

// A com-port area in ordinary memory, 4-byte aligned as a mapping's is.
std::vector<std::uint32_t> MakeArea(std::uint64_t sizeInBytes)
{
    return std::vector<std::uint32_t>((sizeInBytes + 3) / 4, 0);
}

std::uint8_t* BytesOf(std::vector<std::uint32_t>& area)
{
    return reinterpret_cast<std::uint8_t*>(area.data());
}

TEST(ComPortLayout, TwoChannelsOf4096AreLaidOutInChannelOrder)
{
    const CComPortSpec spec(4096, 2);
    ASSERT_EQ(NSComPortLayout::GetAreaSize(spec), 16452u);
    auto area = MakeArea(16452);
    std::uint8_t* const base = BytesOf(area);
    const auto laidOut = NSComPortLayout::LayOut(base, spec);
    ASSERT_EQ(laidOut.size(), 2u);
    EXPECT_EQ(area[0], 2u);
    EXPECT_EQ(laidOut[1].mClientToServerData - base, 68 + 8192);
    EXPECT_EQ(laidOut[1].mServerToClientData - base, 68 + 3 * 4096);
    EXPECT_EQ(reinterpret_cast<std::uint8_t*>(laidOut[1].mServerToClientState) - base, 4 + 32 + 16);
    EXPECT_EQ(laidOut[1].mServerToClientState[kFIFOSizeWord], 4096u);

    const auto found = NSComPortLayout::FindChannels(base, 16452);
    ASSERT_EQ(found.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(found[i].mClientToServerData, laidOut[i].mClientToServerData);
        EXPECT_EQ(found[i].mServerToClientData, laidOut[i].mServerToClientData);
        EXPECT_EQ(found[i].mClientToServerState, laidOut[i].mClientToServerState);
        EXPECT_EQ(found[i].mServerToClientState, laidOut[i].mServerToClientState);
    }
}

TEST(ComPortLayout, UnequalChannelsFollowTheirOwnSizes)
{
    CComPortSpec spec;
    spec.AddChannel(100, 28);
    spec.AddChannel(8, 300);
    const std::uint64_t size = NSComPortLayout::GetAreaSize(spec);
    ASSERT_EQ(size, 4 + 64 + 436u);
    auto area = MakeArea(size);
    NSComPortLayout::LayOut(BytesOf(area), spec);
    const auto found = NSComPortLayout::FindChannels(BytesOf(area), size);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].mServerToClientData - BytesOf(area), 68 + 100);
    EXPECT_EQ(found[1].mClientToServerData - BytesOf(area), 68 + 128);
    EXPECT_EQ(found[1].mServerToClientData - BytesOf(area), 68 + 136);
}

// An area another process wrote claims more than the block holds: refuse it before touching anything.
TEST(ComPortLayout, AnAreaThatClaimsMoreThanItHoldsThrows)
{
    const CComPortSpec spec(64, 2);
    const std::uint64_t size = NSComPortLayout::GetAreaSize(spec);
    const struct
    {
        const char* what;
        std::uint32_t wordIndex;   // into the area, after laying it out
        std::uint32_t value;
    } kCases[] = {
        {"a million channels", 0, 1000000},
        {"one channel too many", 0, 3},
        {"client-to-server size past the end", 1 + 3, 0x7FFFFFFF},
        {"sizes that only together pass the end", 1 + 8 + 3, 64 + 64 + 1},
        {"last size one byte too long", 1 + 8 + 4 + 3, 65},
        {"size that wraps 32 bits with the offset", 1 + 4 + 3, 0xFFFFFFFF},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        auto area = MakeArea(size);
        NSComPortLayout::LayOut(BytesOf(area), spec);
        area[c.wordIndex] = c.value;
        EXPECT_THROW(NSComPortLayout::FindChannels(BytesOf(area), size), XBase);
    }
    auto tiny = MakeArea(4);
    EXPECT_THROW(NSComPortLayout::FindChannels(BytesOf(tiny), 3), XBase);
    EXPECT_EQ(NSComPortLayout::FindChannels(BytesOf(tiny), 4).size(), 0u);
}

} // namespace
