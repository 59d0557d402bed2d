#pragma once

// Keeps the system and the screen awake while a conversion runs: every 30 seconds of idle time it notes
// the moment as the last activity and tells the system that the display is in use.

#include "framework/foundation/platform/IdleManager.h"

#include <cstdint>

namespace NSConversionCoordinator {

// Registered in the idle manager's 10-second slot for exactly as long as it lives.
class CScreenSaverPreventer
{
public:
    CScreenSaverPreventer();

private:
    void KeepAwake(const NSTramvell::CIdleInfo& info);

    NSTramvell::CIdleClient<CScreenSaverPreventer> mIdleClient;
};

// The clock reading of the last noted activity, program-wide; kNoActivityNoted until the first.
constexpr std::int64_t kNoActivityNoted = -1;
std::int64_t GetLastActivityClock();
void ResetLastActivityClock();

} // namespace NSConversionCoordinator
