#pragma once

// GoogleTest's own hook for a platform's settings, found before its empty default in the Windows builds.
// Their runtime (the win32 thread model) has no std::mutex or std::condition_variable, which GoogleTest's
// Notification is made of; everything else of its thread support uses Win32 directly. Notification only
// lets GoogleTest's own thread helper hold a new thread back, which our tests never use, so waiting by
// spinning is enough.

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification
{
public:
    Notification() = default;
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { mNotified.store(true); }
    void WaitForNotification()
    {
        while (!mNotified.load()) {
        }
    }

private:
    std::atomic<bool> mNotified{false};
};

} // namespace testing::internal
