#include "framework/foundation/threads/Timer.h"

#include "framework/foundation/platform/win32/PlatformTables.h"

namespace NSTramvell {
namespace {

void CALLBACK ServiceCallback(UINT, UINT, DWORD_PTR userValue, DWORD_PTR, DWORD_PTR)
{
    CTimer::TimerCallback(reinterpret_cast<CTimer*>(userValue));
}

} // namespace

XTimerFailed::~XTimerFailed() = default;

CTimer::CTimer(TCallback callback, std::uint32_t userData, std::uint32_t intervalMs)
    : mCallback(callback)
    , mIntervalMs(intervalMs)
    , mUserData(userData)
{
    if (GetKernelTable().timeBeginPeriod(mIntervalMs) != TIMERR_NOERROR)
        throw XTimerFailed();
    mIntervalPrepared = true;
    // A synchronous kill makes Stop wait for a callback in progress, so the object cannot be freed under it.
    mTimerIdentifier = GetKernelTable().timeSetEvent(mIntervalMs, 0, &ServiceCallback,
                                                     reinterpret_cast<DWORD_PTR>(this),
                                                     TIME_PERIODIC | TIME_KILL_SYNCHRONOUS);
    if (mTimerIdentifier == 0) {
        Stop();
        throw XTimerFailed();
    }
}

CTimer::~CTimer()
{
    Stop();
}

void CTimer::Stop()
{
    if (mTimerIdentifier != 0)
        GetKernelTable().timeKillEvent(mTimerIdentifier);
    mTimerIdentifier = 0;
    if (mIntervalPrepared) {
        GetKernelTable().timeEndPeriod(mIntervalMs);
        mIntervalPrepared = false;
    }
}

void CTimer::Fire()
{
    mCallback(this);
}

void CTimer::TimerCallback(CTimer* timer) noexcept
{
    try {
        timer->mCallback(timer);
    } catch (...) {
        // The next tick calls again; the service thread is the platform's and must not see our exceptions.
    }
}

} // namespace NSTramvell
