#include "framework/gui/tests/support/FakeClock.h"

#include "framework/foundation/platform/IdleManager.h"
#include "framework/foundation/platform/TimeBase.h"

namespace NSGuiTest {
namespace {

std::atomic<ULONGLONG> gNowMs{0};

} // namespace

CFakeClock::CFakeClock(ULONGLONG nowMs)
    : mTickCount64(NSTramvell::GetKernelTable().GetTickCount64, [] { return gNowMs.load(); })
    , mTickCount(NSTramvell::GetKernelTable().GetTickCount, [] { return static_cast<DWORD>(gNowMs.load()); })
{
    gNowMs = nowMs;
    NSTramvell::NSTimeBaseInternal::SetTimeBase(NSTramvell::kTimeBaseMillisecondTimer, 0);
    NSTramvell::GetIdleManager().ForgetLastRuns();
}

CFakeClock::~CFakeClock()
{
    NSTramvell::GetIdleManager().ForgetLastRuns();
    NSTramvell::NSTimeBaseInternal::ResetTimeBase();
    NSTramvell::InitTimeBase();
}

void CFakeClock::Set(ULONGLONG nowMs)
{
    gNowMs = nowMs;
}

} // namespace NSGuiTest
