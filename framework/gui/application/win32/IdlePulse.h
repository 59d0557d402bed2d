#pragma once

// Keeps the idle clients running while the user-interface thread waits for messages: a thread sleeps
// until the idle manager's next due time and posts one pulse message to a message-only window of the
// user-interface thread, which wakes the loop. A due time that moves earlier wakes the thread to look
// again. At most one pulse is in flight; a pulse that a foreign loop (a message box, a menu, a chooser)
// delivers to the window runs the idle clients there.

#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <atomic>
#include <cstdint>
#include <functional>

namespace NSTramvell {
namespace NSApplicationInternal {

class CIdlePulse
{
public:
    // Made on the user-interface thread; onForeignPulse runs there, after the pulse is taken, for each
    // pulse delivered by a loop other than the application's, and must not throw. Failures throw XBase.
    CIdlePulse(HINSTANCE instance, std::function<void()> onForeignPulse);
    ~CIdlePulse();
    CIdlePulse(const CIdlePulse&) = delete;
    CIdlePulse& operator=(const CIdlePulse&) = delete;

    // The application's loop took a pulse. Never takes the count below 0, so a stray pulse message
    // cannot stop the pulses.
    void TakePulse();
    std::int32_t GetPendingCount() const { return mPendingCount.load(); }
    void SetPendingCount(std::int32_t count) { mPendingCount.store(count); }
    HWND GetTargetWindow() const { return mTarget; }

private:
    static DWORD WINAPI RunPulseThread(LPVOID pulse);
    static LRESULT CALLBACK TargetProcedure(HWND window, UINT message, WPARAM first, LPARAM second);
    void PulseLoop();
    void PostPulse();

    HINSTANCE mInstance;
    std::function<void()> mOnForeignPulse;
    HWND mTarget = nullptr;
    HANDLE mEvent = nullptr;   // signalled to stop the thread, or to make it look at the due time again
    HANDLE mThread = nullptr;
    // Shared with the pulse thread.
    std::atomic<bool> mStopping{false};
    std::atomic<std::int32_t> mPendingCount{0};
    std::atomic<std::uint32_t> mLastPostTickCount{0};
};

} // namespace NSApplicationInternal
} // namespace NSTramvell
