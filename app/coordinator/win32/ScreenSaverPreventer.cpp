#include "app/coordinator/ScreenSaverPreventer.h"

#include "framework/foundation/platform/TimeBase.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

namespace NSConversionCoordinator {
namespace {

constexpr std::int32_t kTenSecondSlot = 29;
constexpr std::int64_t kActivityIntervalMicroseconds = 30000000;

std::int64_t gLastActivityClock = kNoActivityNoted;

} // namespace

CScreenSaverPreventer::CScreenSaverPreventer()
    : mIdleClient(kTenSecondSlot, this, &CScreenSaverPreventer::KeepAwake)
{
}

void CScreenSaverPreventer::KeepAwake(const NSTramvell::CIdleInfo& info)
{
    if (gLastActivityClock != kNoActivityNoted &&
        info.mNow - gLastActivityClock < NSTramvell::MicrosecondsToClock(kActivityIntervalMicroseconds))
        return;
    gLastActivityClock = info.mNow;
    NSTramvell::GetKernelTable().SetThreadExecutionState(ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED);
}

std::int64_t GetLastActivityClock()
{
    return gLastActivityClock;
}

void ResetLastActivityClock()
{
    gLastActivityClock = kNoActivityNoted;
}

} // namespace NSConversionCoordinator
