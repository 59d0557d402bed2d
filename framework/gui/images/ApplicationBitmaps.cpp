#include "framework/gui/images/ApplicationBitmaps.h"

#include "framework/gui/application/WindowLayer.h"
#include "framework/gui/images/BitmapFetcher.h"

#include <memory>

namespace NSTramvell {
namespace {

std::unique_ptr<CCachingBitmapFetcher> gApplicationFetcher;
IBitmapFetcher* gFetcher = nullptr;   // the application's or a borrowed one

} // namespace

IBitmapFetcher* GetBitmapFetcher()
{
    return gFetcher;
}

IBitmapFetcher* SetBitmapFetcher(IBitmapFetcher* fetcher)
{
    IBitmapFetcher* previous = gFetcher;
    gFetcher = fetcher;
    return previous;
}

void CreateBitmapCache()
{
    gApplicationFetcher = std::make_unique<CCachingBitmapFetcher>();
    gFetcher = gApplicationFetcher.get();
}

void DestroyBitmapCache()
{
    if (gFetcher == gApplicationFetcher.get())
        gFetcher = nullptr;
    gApplicationFetcher.reset();
}

void PurgeBitmapCacheEntries()
{
    if (gApplicationFetcher != nullptr)
        gApplicationFetcher->Purge();
}

} // namespace NSTramvell
