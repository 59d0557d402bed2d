#pragma once

// What the application does when an allocation fails: give back purgeable memory, else one memory reserve,
// else fail the allocation.

namespace NSTramvell {

// The application's part in it.
class IMemoryShortageClient
{
public:
    // Consent to drop data of the consent level and to give up a reserve.
    virtual bool MayPurgeCaches() = 0;
    virtual void EnterLowMemoryState() = 0;

protected:
    ~IMemoryShortageClient() = default;
};

// Returns when the failed allocation may be tried again: something purgeable was freed, or a reserve was
// given up (the client then enters the low-memory state). Throws XOutOfMemory when nothing could be freed,
// so an allocation never retries for ever. A shortage met while the handler runs throws XOutOfMemory at
// once.
void HandleMemoryShortage(IMemoryShortageClient& client);

} // namespace NSTramvell
