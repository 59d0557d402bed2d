#include "framework/foundation/platform/IdleManager.h"

#include "framework/foundation/platform/TimeBase.h"
#include "tests/support/TestThreads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <stdexcept>
#include <vector>

using namespace NSTramvell;

namespace {

// Records every call; an optional action runs inside the callback.
class CRecordingClient : public IIdleable
{
public:
    void OnIdle(const CIdleInfo& info) override
    {
        mCalls.push_back(info);
        if (mAction)
            mAction();
    }
    std::vector<CIdleInfo> mCalls;
    std::function<void()> mAction;
};

// The clock counts milliseconds, so `now` values read as times.
class IdleManager : public testing::Test
{
protected:
    void SetUp() override { NSTimeBaseInternal::SetTimeBase(kTimeBaseMillisecondTimer, 0); }
    void TearDown() override { NSTimeBaseInternal::ResetTimeBase(); }
    CIdleManager mManager;
};

TEST_F(IdleManager, WaitTimeIsTheShortestIntervalInUse)
{
    EXPECT_EQ(mManager.GetWaitTime(), 60000);
    CRecordingClient poll;
    CRecordingClient other;
    mManager.Register(&poll, 28);
    EXPECT_EQ(mManager.GetWaitTime(), 2000);
    mManager.Register(&other, 99);
    EXPECT_EQ(mManager.GetWaitTime(), 0);
    mManager.Unregister(&other);
    EXPECT_EQ(mManager.GetWaitTime(), 2000);
    mManager.Unregister(&poll);
    EXPECT_EQ(mManager.GetWaitTime(), 60000);
}

TEST_F(IdleManager, TimeUntilDueCountsFromEachSlotsLastRun)
{
    EXPECT_EQ(mManager.GetTimeUntilDue(0), 60000);
    CRecordingClient poll;
    CRecordingClient fast;
    CRecordingClient throwing;
    mManager.Register(&poll, 28);
    EXPECT_EQ(mManager.GetTimeUntilDue(1000), 0);   // never ran: due at once
    mManager.DoIdle(1000);                          // every slot runs, the empty ones too
    EXPECT_EQ(mManager.GetTimeUntilDue(1000), 2000);
    mManager.Register(&fast, 23);
    const struct { std::int64_t now; std::int32_t untilDueMs; } kCases[] = {
        {1000, 50}, {1049, 1}, {1050, 0}, {1500, 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.now);
        EXPECT_EQ(mManager.GetTimeUntilDue(c.now), c.untilDueMs);
    }
    mManager.DoIdle(1050);
    EXPECT_EQ(mManager.GetTimeUntilDue(1060), 40);
    mManager.Unregister(&fast);
    EXPECT_EQ(mManager.GetTimeUntilDue(1500), 1500);
    // A pass that fails leaves its slot due.
    throwing.mAction = [] { throw std::runtime_error("idle failure"); };
    mManager.Register(&throwing, 28);
    EXPECT_THROW(mManager.DoIdle(3000), std::runtime_error);
    EXPECT_EQ(mManager.GetTimeUntilDue(3001), 0);
    mManager.Unregister(&throwing);
    mManager.DoIdle(3001);
    EXPECT_EQ(mManager.GetTimeUntilDue(3001), 2000);
    mManager.Unregister(&poll);
    EXPECT_EQ(mManager.GetTimeUntilDue(3001), 60000);
}

TEST_F(IdleManager, DozingClientsRunButWakeNobody)
{
    CRecordingClient poll;
    CRecordingClient housekeeping;
    CRecordingClient neighbour;
    int earlierDues = 0;
    mManager.SetEarlierDueListener([&] { ++earlierDues; });
    mManager.Register(&poll, 28);
    mManager.Register(&housekeeping, 23);
    mManager.DoIdle(1000);
    EXPECT_EQ(mManager.GetTimeUntilDue(1000), 50);
    mManager.SetDozing(&housekeeping, true);
    mManager.SetDozing(&housekeeping, true);
    EXPECT_EQ(mManager.GetTimeUntilDue(1000), 2000);
    EXPECT_EQ(mManager.GetWaitTime(), 50);   // still the shortest interval in use
    earlierDues = 0;
    // It still runs with its slot; it only gives no reason to wake for it.
    mManager.DoIdle(1050);
    EXPECT_EQ(housekeeping.mCalls.size(), 2u);
    EXPECT_EQ(mManager.GetTimeUntilDue(1050), 1950);
    // A client of the same slot that does not doze keeps the slot in the due time.
    mManager.Register(&neighbour, 23);
    EXPECT_EQ(mManager.GetTimeUntilDue(1060), 40);
    EXPECT_EQ(earlierDues, 1);
    mManager.Unregister(&neighbour);
    EXPECT_EQ(mManager.GetTimeUntilDue(1060), 1940);
    // Waking moves the due time earlier, and tells whoever sleeps until the old one.
    mManager.SetDozing(&housekeeping, false);
    EXPECT_EQ(mManager.GetTimeUntilDue(1060), 40);
    EXPECT_EQ(earlierDues, 2);
    // Leaving forgets the dozing: registered again, the client wakes the loop.
    mManager.SetDozing(&housekeeping, true);
    mManager.Unregister(&housekeeping);
    mManager.Register(&housekeeping, 23);
    EXPECT_EQ(mManager.GetTimeUntilDue(1060), 40);
    mManager.SetEarlierDueListener({});
    mManager.Unregister(&housekeeping);
    mManager.Unregister(&poll);
}

TEST_F(IdleManager, CodesOutsideTwentyOneToTwentyNineSelectSlotZero)
{
    const struct { std::int32_t code; std::int32_t intervalMs; } kCases[] = {
        {0, 0}, {20, 0}, {30, 0}, {-5, 0}, {21, 10}, {23, 50}, {27, 1000}, {29, 10000}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(mManager.GetSlotInterval(c.code), c.intervalMs);
        CRecordingClient client;
        mManager.Register(&client, c.code);
        EXPECT_EQ(mManager.GetWaitTime(), c.intervalMs);
        mManager.Unregister(&client);
    }
    EXPECT_EQ(mManager.GetSlotIntervalClock(28), 2000);
}

TEST_F(IdleManager, SlotRunsAtOnceThenOncePerInterval)
{
    CRecordingClient client;
    mManager.Register(&client, 27);
    mManager.DoIdle(5);   // a clock that starts low: the slot never ran, so it is due
    ASSERT_EQ(client.mCalls.size(), 1u);
    EXPECT_EQ(client.mCalls[0].mNow, 5);
    EXPECT_EQ(client.mCalls[0].mPrevious, 5);
    mManager.DoIdle(1004);
    EXPECT_EQ(client.mCalls.size(), 1u);
    mManager.DoIdle(1005);
    ASSERT_EQ(client.mCalls.size(), 2u);
    EXPECT_EQ(client.mCalls[1].mNow, 1005);
    EXPECT_EQ(client.mCalls[1].mPrevious, 5);
    mManager.Unregister(&client);
}

TEST_F(IdleManager, SlotZeroRunsEveryTime)
{
    CRecordingClient client;
    mManager.Register(&client, 0);
    mManager.DoIdle(0);
    mManager.DoIdle(0);
    mManager.DoIdle(1);
    EXPECT_EQ(client.mCalls.size(), 3u);
    mManager.Unregister(&client);
}

TEST_F(IdleManager, ClientThatLeavesSkipsItsNeighbourForOnePass)
{
    CRecordingClient leaving;
    CRecordingClient next;
    CRecordingClient last;
    leaving.mAction = [&] { mManager.Unregister(&leaving); };
    mManager.Register(&leaving, 24);
    mManager.Register(&next, 24);
    mManager.Register(&last, 24);
    mManager.DoIdle(1000);
    EXPECT_EQ(leaving.mCalls.size(), 1u);
    EXPECT_EQ(next.mCalls.size(), 0u);
    EXPECT_EQ(last.mCalls.size(), 1u);
    mManager.DoIdle(1100);
    EXPECT_EQ(leaving.mCalls.size(), 1u);
    EXPECT_EQ(next.mCalls.size(), 1u);
    EXPECT_EQ(last.mCalls.size(), 2u);
    mManager.Unregister(&next);
    mManager.Unregister(&last);
}

TEST_F(IdleManager, ClientAppendedDuringAPassRunsInIt)
{
    CRecordingClient late;
    CRecordingClient first;
    first.mAction = [&] {
        if (first.mCalls.size() == 1)
            mManager.Register(&late, 25);
    };
    mManager.Register(&first, 25);
    mManager.DoIdle(7);
    ASSERT_EQ(late.mCalls.size(), 1u);
    EXPECT_EQ(late.mCalls[0].mNow, 7);
    mManager.Unregister(&first);
    mManager.Unregister(&late);
}

TEST_F(IdleManager, ThrowingClientEndsThePassAndLeavesTheSlotDue)
{
    CRecordingClient throwing;
    CRecordingClient sameSlot;
    CRecordingClient laterSlot;
    bool fail = true;
    throwing.mAction = [&] {
        if (fail)
            throw std::runtime_error("idle failure");
    };
    mManager.Register(&throwing, 26);
    mManager.Register(&sameSlot, 26);
    mManager.Register(&laterSlot, 29);
    EXPECT_THROW(mManager.DoIdle(100), std::runtime_error);
    EXPECT_EQ(sameSlot.mCalls.size(), 0u);
    EXPECT_EQ(laterSlot.mCalls.size(), 0u);
    EXPECT_FALSE(mManager.GetSlot(26).mLastRun.has_value());
    fail = false;
    mManager.DoIdle(101);   // still due: the failed pass did not count as a run
    ASSERT_EQ(sameSlot.mCalls.size(), 1u);
    EXPECT_EQ(sameSlot.mCalls[0].mPrevious, 101);
    EXPECT_EQ(laterSlot.mCalls.size(), 1u);
    mManager.Unregister(&throwing);
    mManager.Unregister(&sameSlot);
    mManager.Unregister(&laterSlot);
}

TEST_F(IdleManager, SuspendNestsAndLeavesLastRunsAlone)
{
    CRecordingClient client;
    mManager.Register(&client, 27);
    mManager.Suspend();
    mManager.Suspend();
    mManager.DoIdle(10);
    mManager.Resume();
    mManager.DoIdle(20);
    EXPECT_EQ(client.mCalls.size(), 0u);
    EXPECT_FALSE(mManager.GetSlot(27).mLastRun.has_value());
    mManager.Resume();
    mManager.DoIdle(30);
    ASSERT_EQ(client.mCalls.size(), 1u);
    EXPECT_EQ(client.mCalls[0].mPrevious, 30);
    mManager.Unregister(&client);
}

TEST_F(IdleManager, TwiceRegisteredClientRunsTwiceAndLeavesOneAtATime)
{
    CRecordingClient client;
    CRecordingClient stranger;
    mManager.Register(&client, 0);
    mManager.Register(&client, 0);
    mManager.Unregister(&stranger);
    mManager.DoIdle(1);
    EXPECT_EQ(client.mCalls.size(), 2u);
    mManager.Unregister(&client);
    mManager.DoIdle(2);
    EXPECT_EQ(client.mCalls.size(), 3u);
    mManager.Unregister(&client);
    mManager.DoIdle(3);
    EXPECT_EQ(client.mCalls.size(), 3u);
    EXPECT_EQ(mManager.GetWaitTime(), 60000);
}

TEST_F(IdleManager, WaitTimeReadFromAnotherThreadStaysConsistent)
{
    CRecordingClient poll;
    CRecordingClient fast;
    mManager.Register(&poll, 28);
    std::atomic<bool> done{false};
    std::atomic<int> wrongReadings{0};
    NSTestSupport::RunBeside(
        [&] {
            while (!done.load()) {
                const std::int32_t waitMs = mManager.GetWaitTime();
                if (waitMs != 10 && waitMs != 2000)
                    ++wrongReadings;
            }
        },
        [&] {
            for (int i = 0; i < 20000; ++i) {
                mManager.Register(&fast, 21);
                mManager.Unregister(&fast);
            }
            done.store(true);
        });
    EXPECT_EQ(wrongReadings.load(), 0);
    EXPECT_EQ(mManager.GetWaitTime(), 2000);
    mManager.Unregister(&poll);
}

// Two bases, so that the member function pointer carries a this-adjustment.
class CCounterBase
{
public:
    virtual ~CCounterBase() = default;
    int mPadding = 0;
};

class CTickerBase
{
public:
    void Tick(const CIdleInfo& info) { mLastNow = info.mNow; }
    std::int64_t mLastNow = -1;
};

class CAnimatedThing : public CCounterBase, public CTickerBase
{
public:
    CAnimatedThing()
        : mIdle(24, this, &CAnimatedThing::Tick)
    {
    }
    CIdleClient<CAnimatedThing> mIdle;
};

TEST_F(IdleManager, IdleClientIsRegisteredForExactlyItsLifetime)
{
    const std::vector<IIdleable*>& clients = GetIdleManager().GetSlot(24).mClients;
    const std::size_t before = clients.size();
    {
        CAnimatedThing thing;
        ASSERT_EQ(clients.size(), before + 1);
        EXPECT_EQ(clients.back(), &thing.mIdle);
        GetIdleManager().DoIdle(123456);
        EXPECT_EQ(thing.mLastNow, 123456);
    }
    EXPECT_EQ(clients.size(), before);
}

} // namespace
