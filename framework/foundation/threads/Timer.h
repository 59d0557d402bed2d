#pragma once

// Calls a plain function periodically from the platform's timer service thread, for as long as the object
// lives. The callback runs on that thread and must lock whatever it shares; once Stop or the destructor
// has returned, no callback runs any more.

#include "framework/foundation/core/Exceptions.h"

#include <cstdint>

namespace NSTramvell {

DRAVIM_DECLARE_EXCEPTION(XTimerFailed, XBase);

class CTimer
{
public:
    using TCallback = void (*)(CTimer* timer);

    // Starts the periodic timer; XTimerFailed, with the prepared interval released, when it cannot.
    CTimer(TCallback callback, std::uint32_t userData, std::uint32_t intervalMs);
    virtual ~CTimer();
    CTimer(const CTimer&) = delete;
    CTimer& operator=(const CTimer&) = delete;

    // Waits for a callback that is running at the moment, then releases the interval.
    void Stop();
    // Calls the callback at once, on the calling thread.
    void Fire();
    std::uint32_t GetUserData() const { return mUserData; }

    // The service's call: the callback, with whatever it throws dropped (nothing may unwind into the
    // platform's timer thread).
    static void TimerCallback(CTimer* timer) noexcept;

private:
    std::uint32_t mTimerIdentifier = 0;
    bool mIntervalPrepared = false;
    TCallback mCallback;
    std::uint32_t mIntervalMs;
    std::uint32_t mUserData;
};

} // namespace NSTramvell
