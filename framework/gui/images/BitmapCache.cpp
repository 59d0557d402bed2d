#include "framework/gui/images/BitmapCache.h"

#include "framework/gui/images/Image.h"

#include <algorithm>

namespace NSTramvell {

CBitmapCache::CBitmapCache() = default;

CBitmapCache::~CBitmapCache()
{
    Purge();
}

CABCImage* CBitmapCache::Find(const CBitmapKey& key)
{
    const auto found = std::find_if(mEntries.begin(), mEntries.end(),
                                    [&key](const CEntry& entry) { return entry.key == key; });
    if (found == mEntries.end())
        return nullptr;
    mEntries.splice(mEntries.begin(), mEntries, found);
    return mEntries.front().bitmap.get();
}

void CBitmapCache::Add(std::unique_ptr<CABCImage> bitmap, const CBitmapKey& key)
{
    mEntries.push_back(CEntry{key, std::move(bitmap)});
}

void CBitmapCache::Remove(const CBitmapKey& key)
{
    const auto found = std::find_if(mEntries.begin(), mEntries.end(),
                                    [&key](const CEntry& entry) { return entry.key == key; });
    if (found != mEntries.end())
        mEntries.erase(found);
}

void CBitmapCache::Purge()
{
    while (!mEntries.empty())
        mEntries.pop_back();
}

} // namespace NSTramvell
