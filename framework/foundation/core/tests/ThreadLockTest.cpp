#include "framework/foundation/core/ThreadLock.h"

#include "tests/support/TestThreads.h"

#include <gtest/gtest.h>

namespace {

TEST(CThreadLock, LetsOneThreadAtATimeChangeSharedState)
{
    // The counter is read and written in two steps on purpose: without the lock, increments get lost.
    NSTramvell::CThreadLock lock;
    volatile long counter = 0;
    constexpr int kThreads = 4;
    constexpr int kIncrements = 100000;
    NSTestSupport::RunOnThreads(kThreads, [&](int) {
        for (int i = 0; i < kIncrements; ++i) {
            const NSTramvell::CThreadLockGuard guard(lock);
            const long seen = counter;
            counter = seen + 1;
        }
    });
    EXPECT_EQ(counter, long{kThreads} * kIncrements);
}

} // namespace
