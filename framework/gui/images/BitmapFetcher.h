#pragma once

// Views get their pictures only through the application's bitmap fetcher, which makes each keyed
// picture once, in a format fit for the screen, and keeps it in a CBitmapCache until the key is released
// or the cache purged. Callers never delete a fetched picture nor keep it past a release or a purge.

#include "framework/gui/images/BitmapCache.h"
#include "framework/gui/images/BitmapKey.h"

#include <functional>
#include <memory>

namespace NSTramvell {

class CABCImage;
class CImageLib;
class COwnedMemoryMedia;
class CScreenPalette;

class IBitmapFetcher
{
public:
    virtual void ReleaseBitmap(const CBitmapKey& key) = 0;
    // Never null: a picture that cannot be made throws, and nothing is cached for it.
    virtual CABCImage* FetchBitmap(const CScreenPalette& screen, const CBitmapKey& key) = 0;

protected:
    ~IBitmapFetcher() = default;
};

// The fetcher over a cache, as the application keeps it; the pictures' bytes come from a loader, by
// default the "BMPF" resource of the key's id in the current code module's resource file.
class CCachingBitmapFetcher : public IBitmapFetcher
{
public:
    using CPictureLoader = std::function<std::unique_ptr<COwnedMemoryMedia>(std::uint16_t resourceId)>;

    CCachingBitmapFetcher();
    CCachingBitmapFetcher(CImageLib& library, CPictureLoader loader);
    ~CCachingBitmapFetcher();
    CCachingBitmapFetcher(const CCachingBitmapFetcher&) = delete;
    CCachingBitmapFetcher& operator=(const CCachingBitmapFetcher&) = delete;

    void ReleaseBitmap(const CBitmapKey& key) override;
    CABCImage* FetchBitmap(const CScreenPalette& screen, const CBitmapKey& key) override;
    void Purge() { mCache.Purge(); }

private:
    std::unique_ptr<CABCImage> MakeBitmap(const CScreenPalette& screen, const CBitmapKey& key);

    CImageLib& mLibrary;   // the program's BMP library, or a test's: outlives the fetcher
    CPictureLoader mLoader;
    CBitmapCache mCache;
};

} // namespace NSTramvell
