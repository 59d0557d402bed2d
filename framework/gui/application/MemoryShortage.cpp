#include "framework/gui/application/MemoryShortage.h"

#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/MemoryReserve.h"
#include "framework/gui/application/Purgeable.h"

namespace NSTramvell {
namespace {

bool gHandlingShortage = false;

// Marks the handler running, so that an allocation that fails inside it (in a Purge, in the client)
// fails at once instead of entering the handler again.
class CShortageScope
{
public:
    CShortageScope()
    {
        if (gHandlingShortage)
            throw XOutOfMemory();
        gHandlingShortage = true;
    }
    ~CShortageScope() { gHandlingShortage = false; }
    CShortageScope(const CShortageScope&) = delete;
    CShortageScope& operator=(const CShortageScope&) = delete;
};

} // namespace

void HandleMemoryShortage(IMemoryShortageClient& client)
{
    const CShortageScope scope;
    bool freed = PurgeLevel(kPurgeFreely);
    if (HasUnpurged(kPurgeWithConsent) && client.MayPurgeCaches() && PurgeLevel(kPurgeWithConsent))
        freed = true;
    if (freed)
        return;
    // A reserve is asked for only when it can be given up: a reserve that exists but may not be freed must
    // not send the allocation round again.
    if (client.MayPurgeCaches() && GetMemoryReserveList().FreeOneUnheldReserve()) {
        client.EnterLowMemoryState();
        return;
    }
    throw XOutOfMemory();
}

} // namespace NSTramvell
