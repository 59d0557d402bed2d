#pragma once

// Every picture made so far, by key: the application's bitmap fetcher keeps them here so that each is read
// and converted once. The cache owns its pictures; a lookup moves its entry to the front, so the pictures
// in use are found first. No size limit: Purge is the lever against low memory.

#include "framework/gui/images/BitmapKey.h"

#include <cstdint>
#include <list>
#include <memory>

namespace NSTramvell {

class CABCImage;

class CBitmapCache
{
public:
    CBitmapCache();
    CBitmapCache(const CBitmapCache&) = delete;
    CBitmapCache& operator=(const CBitmapCache&) = delete;
    ~CBitmapCache();

    // The first picture of an equal key, or null. Borrowed: valid until its key is removed or purged.
    CABCImage* Find(const CBitmapKey& key);
    void Add(std::unique_ptr<CABCImage> bitmap, const CBitmapKey& key);
    // Deletes the first picture of an equal key; nothing when there is none.
    void Remove(const CBitmapKey& key);
    void Purge();
    std::int32_t GetCount() const { return static_cast<std::int32_t>(mEntries.size()); }

private:
    struct CEntry
    {
        CBitmapKey key;
        std::unique_ptr<CABCImage> bitmap;
    };

    std::list<CEntry> mEntries;
};

} // namespace NSTramvell
