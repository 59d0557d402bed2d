#include "framework/gui/application/win32/IdlePulse.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/IdleManager.h"
#include "framework/foundation/platform/TimeBase.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/Application.h"

namespace NSTramvell {
namespace NSApplicationInternal {
namespace {

constexpr char kTargetClassName[] = "Tramvell Idle Pulse";
// A pulse unanswered for this long was lost (a loop that drops foreign messages); the thread posts anew.
constexpr std::uint32_t kLostPulseMs = 1000;
constexpr DWORD kStopTimeoutMs = 10000;

// The one pulse of the process, for the target window's procedure.
std::atomic<CIdlePulse*> gPulse{nullptr};

} // namespace

CIdlePulse::CIdlePulse(HINSTANCE instance, std::function<void()> onForeignPulse)
    : mInstance(instance)
    , mOnForeignPulse(std::move(onForeignPulse))
{
    CWindowTable& windows = GetWindowTable();
    CKernelTable& kernel = GetKernelTable();
    WNDCLASSA targetClass{};
    targetClass.lpfnWndProc = &TargetProcedure;
    targetClass.hInstance = mInstance;
    targetClass.lpszClassName = kTargetClassName;
    if (windows.RegisterClassA(&targetClass) == 0)
        throw XBase();
    gPulse.store(this);
    mTarget = windows.CreateWindowExA(0, kTargetClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, mInstance,
                                      nullptr);
    if (mTarget != nullptr)
        mEvent = kernel.CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (mEvent != nullptr)
        mThread = kernel.CreateThread(nullptr, 0, &RunPulseThread, this, 0, nullptr);
    if (mThread == nullptr) {
        if (mEvent != nullptr)
            kernel.CloseHandle(mEvent);
        if (mTarget != nullptr)
            windows.DestroyWindow(mTarget);
        windows.UnregisterClassA(kTargetClassName, mInstance);
        gPulse.store(nullptr);
        throw XBase();
    }
    GetIdleManager().SetEarlierDueListener([event = mEvent] { GetKernelTable().SetEvent(event); });
}

CIdlePulse::~CIdlePulse()
{
    GetIdleManager().SetEarlierDueListener({});
    CKernelTable& kernel = GetKernelTable();
    mStopping.store(true);
    kernel.SetEvent(mEvent);
    if (kernel.WaitForSingleObject(mThread, kStopTimeoutMs) == WAIT_TIMEOUT)
        kernel.TerminateThread(mThread, 0);
    kernel.CloseHandle(mThread);
    kernel.CloseHandle(mEvent);
    // The window goes after the thread, which posts to it.
    GetWindowTable().DestroyWindow(mTarget);
    GetWindowTable().UnregisterClassA(kTargetClassName, mInstance);
    gPulse.store(nullptr);
}

void CIdlePulse::TakePulse()
{
    std::int32_t count = mPendingCount.load();
    while (count > 0 && !mPendingCount.compare_exchange_weak(count, count - 1)) {
    }
}

DWORD WINAPI CIdlePulse::RunPulseThread(LPVOID pulse)
{
    static_cast<CIdlePulse*>(pulse)->PulseLoop();
    return 0;
}

// The pulse thread touches only the target window, the event, the count and the idle manager's schedule.
void CIdlePulse::PulseLoop()
{
    CKernelTable& kernel = GetKernelTable();
    const CIdleManager& idle = GetIdleManager();
    for (;;) {
        std::int32_t waitMs = idle.GetTimeUntilDue(GetClock());
        if (waitMs == 0) {
            if (mPendingCount.load() < 1)
                PostPulse();
            // The loop runs the clients when it takes the pulse, and their next due time counts from then:
            // a look one interval on, with a millisecond for the taking, finds it without a second wake.
            waitMs = idle.GetWaitTime() + 1;
        }
        const DWORD result = kernel.WaitForSingleObject(mEvent, static_cast<DWORD>(waitMs));
        if (result == WAIT_OBJECT_0 && !mStopping.load())
            continue;
        if (result != WAIT_TIMEOUT) {
            // Leave the event signalled for anyone else who waits on it.
            kernel.SetEvent(mEvent);
            return;
        }
        if (mPendingCount.load() >= 1 && kernel.GetTickCount() - mLastPostTickCount.load() >= kLostPulseMs)
            mPendingCount.store(0);
    }
}

void CIdlePulse::PostPulse()
{
    // Counted before it is posted: the loop may take the pulse before PostMessageA returns, and a count
    // raised after that would stand for a pulse that is gone.
    mLastPostTickCount.store(GetKernelTable().GetTickCount());
    mPendingCount.fetch_add(1);
    if (GetWindowTable().PostMessageA(mTarget, kIdlePulseMessage, 0, 0) == FALSE)
        TakePulse();
}

LRESULT CALLBACK CIdlePulse::TargetProcedure(HWND window, UINT message, WPARAM first, LPARAM second)
{
    CIdlePulse* const pulse = gPulse.load();
    if (message == kIdlePulseMessage && pulse != nullptr) {
        pulse->TakePulse();
        pulse->mOnForeignPulse();
        return 0;
    }
    return GetWindowTable().DefWindowProcA(window, message, first, second);
}

} // namespace NSApplicationInternal
} // namespace NSTramvell
