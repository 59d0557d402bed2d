#include "framework/gui/application/Purgeable.h"

#include <algorithm>

namespace NSTramvell {

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
        if (registry[index]->GetPurgeLevel() == level && registry[index]->Purge())
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
