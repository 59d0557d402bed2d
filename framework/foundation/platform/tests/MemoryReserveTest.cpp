#include "framework/foundation/platform/MemoryReserve.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

namespace {

int gAllocations = 0;
bool gFailAllocations = false;

std::unique_ptr<std::byte[]> FakeAllocateBlock(std::int32_t sizeInBytes)
{
    ++gAllocations;
    if (gFailAllocations)
        return nullptr;
    return std::make_unique<std::byte[]>(static_cast<std::size_t>(sizeInBytes));
}

class CFakeLowMemoryListener : public ILowMemoryListener
{
public:
    void EnterLowMemoryState() override { ++mCalls; }
    int mCalls = 0;
};

class MemoryReserve : public testing::Test
{
protected:
    void SetUp() override
    {
        gAllocations = 0;
        gFailAllocations = false;
        mPreviousAllocator = NSMemoryReserveInternal::SetBlockAllocator(&FakeAllocateBlock);
        GetMemoryReserveList().SetLowMemoryListener(&mListener);
    }
    void TearDown() override
    {
        GetMemoryReserveList().SetLowMemoryListener(nullptr);
        NSMemoryReserveInternal::SetBlockAllocator(mPreviousAllocator);
    }

    NSMemoryReserveInternal::TBlockAllocator mPreviousAllocator = nullptr;
    CFakeLowMemoryListener mListener;
};

TEST_F(MemoryReserve, NestedHoldersFreeOnceAndAllocateOnce)
{
    CMemoryReserve reserve(4096);
    ASSERT_EQ(gAllocations, 1);
    ASSERT_FALSE(reserve.IsReleased());
    {
        CMemoryReserveRelease outer(reserve);
        EXPECT_TRUE(reserve.IsReleased());
        {
            CMemoryReserveRelease inner(reserve);
            EXPECT_TRUE(reserve.IsHeld());
        }
        EXPECT_TRUE(reserve.IsReleased());
        EXPECT_TRUE(reserve.IsHeld());
        EXPECT_EQ(gAllocations, 1);
    }
    EXPECT_EQ(gAllocations, 2);
    EXPECT_FALSE(reserve.IsReleased());
    EXPECT_FALSE(reserve.IsHeld());
    EXPECT_EQ(mListener.mCalls, 0);
}

TEST_F(MemoryReserve, FailedRestoreAtTheLastHolderTellsTheListenerOnce)
{
    CMemoryReserve reserve(4096);
    {
        CMemoryReserveRelease outer(reserve);
        {
            CMemoryReserveRelease inner(reserve);
        }
        gFailAllocations = true;
    }
    EXPECT_EQ(mListener.mCalls, 1);
    EXPECT_TRUE(reserve.IsReleased());
    EXPECT_FALSE(reserve.IsHeld());
}

TEST_F(MemoryReserve, FailedAllocationAtConstructionLeavesTheReserveLost)
{
    gFailAllocations = true;
    CMemoryReserve reserve(4096);
    EXPECT_TRUE(reserve.IsReleased());
    EXPECT_FALSE(reserve.IsHeld());
    gFailAllocations = false;
    EXPECT_TRUE(GetMemoryReserveList().RestoreAll());
    EXPECT_FALSE(reserve.IsReleased());
}

TEST_F(MemoryReserve, RestoreAllLeavesReservesInPlaceAlone)
{
    CMemoryReserve first(100);
    CMemoryReserve second(200);
    const int allocationsBefore = gAllocations;
    EXPECT_TRUE(GetMemoryReserveList().RestoreAll());
    EXPECT_EQ(gAllocations, allocationsBefore);
}

TEST_F(MemoryReserve, RestoreAllSkipsHeldReservesAndRestoresLostOnes)
{
    CMemoryReserve held(100);
    gFailAllocations = true;
    CMemoryReserve lost(200);
    gFailAllocations = false;
    CMemoryReserveRelease holder(held);
    const int allocationsBefore = gAllocations;
    EXPECT_TRUE(GetMemoryReserveList().RestoreAll());
    EXPECT_EQ(gAllocations, allocationsBefore + 1);
    EXPECT_TRUE(held.IsReleased());
    EXPECT_FALSE(lost.IsReleased());
}

TEST_F(MemoryReserve, RestoreAllReportsAFailedAllocation)
{
    gFailAllocations = true;
    CMemoryReserve lost(200);
    EXPECT_FALSE(GetMemoryReserveList().RestoreAll());
    EXPECT_TRUE(lost.IsReleased());
    EXPECT_EQ(mListener.mCalls, 0);
}

TEST_F(MemoryReserve, DestroyedReserveLeavesTheList)
{
    gFailAllocations = true;
    {
        CMemoryReserve gone(100);
    }
    gFailAllocations = false;
    const int allocationsBefore = gAllocations;
    EXPECT_TRUE(GetMemoryReserveList().RestoreAll());
    EXPECT_EQ(gAllocations, allocationsBefore);
}

TEST_F(MemoryReserve, NoListenerIsFine)
{
    GetMemoryReserveList().SetLowMemoryListener(nullptr);
    CMemoryReserve reserve(100);
    {
        CMemoryReserveRelease holder(reserve);
        gFailAllocations = true;
    }
    EXPECT_TRUE(reserve.IsReleased());
    EXPECT_EQ(mListener.mCalls, 0);
}

} // namespace
