#include "framework/foundation/platform/win32/PlatformTables.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformCallsWin32.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace NSTramvell;

namespace {

// Puts the real bindings back however the test ends, for the tests that follow.
class CRebindAtEnd
{
public:
    ~CRebindAtEnd() { BindPlatformTables(); }
};

TEST(PlatformTables, CallsBeforeBindingAndAfterReleaseThrow)
{
    CRebindAtEnd rebind;
    ReleasePlatformTables();
    std::int32_t word = 0;
    EXPECT_THROW(GetCurrentThreadIdentifier(), XBase);
    EXPECT_THROW(AtomicAdd(&word, 1), XBase);
    EXPECT_THROW(PostWindowMessage(nullptr, WM_NULL, 0, 0), XBase);
    EXPECT_THROW(GetKernelTable().GetTickCount64(), XBase);
    EXPECT_EQ(word, 0);
    BindPlatformTables();
    EXPECT_EQ(GetCurrentThreadIdentifier(), ::GetCurrentThreadId());
    EXPECT_EQ(AtomicAdd(&word, 1), 0);
    EXPECT_EQ(word, 1);
}

DWORD gFakeThreadId = 0;

TEST(PlatformTables, ScopedEntryHoldsInsideItsScopeOnly)
{
    const DWORD realId = ::GetCurrentThreadId();
    gFakeThreadId = realId + 1;
    {
        CScopedTableEntry fakeId(GetKernelTable().GetCurrentThreadId, [] { return gFakeThreadId; });
        EXPECT_EQ(GetCurrentThreadIdentifier(), realId + 1);
        {
            CScopedTableEntry innerId(GetKernelTable().GetCurrentThreadId, []() -> DWORD { return 7; });
            EXPECT_EQ(GetCurrentThreadIdentifier(), 7u);
        }
        EXPECT_EQ(GetCurrentThreadIdentifier(), realId + 1);
    }
    EXPECT_EQ(GetCurrentThreadIdentifier(), realId);
}

DWORD WINAPI StoreParameterTimesTwo(LPVOID parameter)
{
    auto* value = static_cast<std::int32_t*>(parameter);
    *value *= 2;
    return 0;
}

TEST(PlatformCalls, ThreadRunsAndIsJoined)
{
    std::int32_t value = 21;
    DWORD identifier = 0;
    HANDLE thread = CreateThreadObject(nullptr, 0, &StoreParameterTimesTwo, &value, 0, &identifier);
    ASSERT_NE(thread, nullptr);
    EXPECT_NE(identifier, 0u);
    EXPECT_EQ(WaitForObject(thread, -1), WAIT_OBJECT_0);
    EXPECT_EQ(value, 42);
    EXPECT_TRUE(DisposeSystemHandle(thread));
}

struct CWaiter
{
    HANDLE mEvent;
    std::int32_t mWoken;
};

DWORD WINAPI WaitForEventThenMark(LPVOID parameter)
{
    auto* waiter = static_cast<CWaiter*>(parameter);
    if (WaitForObject(waiter->mEvent, -1) == WAIT_OBJECT_0)
        AtomicExchange(&waiter->mWoken, 1);
    return 0;
}

TEST(PlatformCalls, SignalledEventWakesItsWaiter)
{
    CWaiter waiter{CreateEventObject(nullptr, FALSE, FALSE, nullptr), 0};
    ASSERT_NE(waiter.mEvent, nullptr);
    HANDLE thread = CreateThreadObject(nullptr, 0, &WaitForEventThenMark, &waiter, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    // Unsignalled, the waiter cannot have finished, however the threads are scheduled.
    EXPECT_EQ(WaitForObject(thread, 0), static_cast<std::uint32_t>(WAIT_TIMEOUT));
    EXPECT_TRUE(SignalEventObject(waiter.mEvent));
    EXPECT_EQ(WaitForObject(thread, -1), WAIT_OBJECT_0);
    EXPECT_EQ(waiter.mWoken, 1);
    DisposeSystemHandle(thread);
    DisposeSystemHandle(waiter.mEvent);
}

DWORD WINAPI AddOneHundredThousandTimes(LPVOID parameter)
{
    auto* counter = static_cast<std::int32_t*>(parameter);
    for (int i = 0; i < 100000; ++i)
        AtomicAdd(counter, 1);
    return 0;
}

TEST(PlatformCalls, ConcurrentAtomicAddsLoseNothing)
{
    std::int32_t counter = 0;
    HANDLE first = CreateThreadObject(nullptr, 0, &AddOneHundredThousandTimes, &counter, 0, nullptr);
    HANDLE second = CreateThreadObject(nullptr, 0, &AddOneHundredThousandTimes, &counter, 0, nullptr);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    WaitForObject(first, -1);
    WaitForObject(second, -1);
    EXPECT_EQ(counter, 200000);
    DisposeSystemHandle(first);
    DisposeSystemHandle(second);
}

TEST(PlatformCalls, AtomicExchangeReturnsThePreviousValue)
{
    std::int32_t word = 5;
    EXPECT_EQ(AtomicExchange(&word, -9), 5);
    EXPECT_EQ(word, -9);
    EXPECT_EQ(AtomicExchange2(&word, 3), -9);
    EXPECT_EQ(word, 3);
    EXPECT_EQ(CallTableFunction2(&word, -4), 3);
    EXPECT_EQ(word, -1);
}

TEST(PlatformCalls, SuspendedThreadRunsWhenResumed)
{
    std::int32_t value = 4;
    HANDLE thread = CreateThreadObject(nullptr, 0, &StoreParameterTimesTwo, &value, CREATE_SUSPENDED, nullptr);
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(WaitForObject(thread, 0), static_cast<std::uint32_t>(WAIT_TIMEOUT));
    EXPECT_EQ(value, 4);
    EXPECT_EQ(ResumeThreadObject(thread), 1u);
    EXPECT_EQ(WaitForObject(thread, -1), WAIT_OBJECT_0);
    EXPECT_EQ(value, 8);
    DisposeSystemHandle(thread);
}

DWORD gFakeTickCount = 0;

TEST(TickCount64FromTickCount, KeepsRisingWhenTheThirtyTwoBitTimerWraps)
{
    CScopedTableEntry fakeTimer(GetKernelTable().GetTickCount, [] { return gFakeTickCount; });
    NSPlatformTablesInternal::ResetTickCountWidening();
    const struct { DWORD tickCount; ULONGLONG count; } kReadings[] = {
        {0xFFFFFC00u, 0xFFFFFC00ull}, {0xFFFFFFFFu, 0xFFFFFFFFull}, {0x0u, 0x100000000ull},
        {0x3E8u, 0x1000003E8ull},     {0x7FFFFFFFu, 0x17FFFFFFFull}, {0xF0000000u, 0x1F0000000ull},
        {0x10u, 0x200000010ull}};
    for (const auto& r : kReadings) {
        SCOPED_TRACE(r.tickCount);
        gFakeTickCount = r.tickCount;
        EXPECT_EQ(TickCount64FromTickCount(), r.count);
    }
    NSPlatformTablesInternal::ResetTickCountWidening();
}

} // namespace
