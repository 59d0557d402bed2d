#include "framework/gui/application/Purgeable.h"

#include "framework/foundation/trace/Trace.h"

#include <algorithm>

namespace NSTramvell {
namespace {

// The shortage handler runs inside a failed allocation, which may end only in a retry or in bad_alloc: an
// entry whose purge fails has freed nothing, and the others are still asked.
bool PurgeEntry(IPurgeable& entry)
{
    try {
        return entry.Purge();
    } catch (const std::exception& exception) {
        Trace(0, 0, "Purge failed: %s", exception.what());
    } catch (...) {
        Trace(0, 0, "Purge failed");
    }
    return false;
}

} // namespace

MPurgeable::MPurgeable()
{
    GetPurgeableRegistry().push_back(this);
}

MPurgeable::~MPurgeable()
{
    std::vector<IPurgeable*>& registry = GetPurgeableRegistry();
    const auto found = std::find(registry.begin(), registry.end(), static_cast<IPurgeable*>(this));
    if (found != registry.end())
        registry.erase(found);
}

std::vector<IPurgeable*>& GetPurgeableRegistry()
{
    static std::vector<IPurgeable*> registry;
    return registry;
}

bool PurgeLevel(std::int32_t level)
{
    bool purged = false;
    // By index: a purge may end other entries' lives.
    std::vector<IPurgeable*>& registry = GetPurgeableRegistry();
    for (std::size_t index = 0; index < registry.size(); ++index) {
        if (registry[index]->GetPurgeLevel() == level && PurgeEntry(*registry[index]))
            purged = true;
    }
    return purged;
}

bool HasUnpurged(std::int32_t level)
{
    for (IPurgeable* entry : GetPurgeableRegistry()) {
        if (entry->GetPurgeLevel() == level && !entry->IsPurged())
            return true;
    }
    return false;
}

} // namespace NSTramvell
