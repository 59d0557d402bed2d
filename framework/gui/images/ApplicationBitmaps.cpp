#include "framework/gui/images/ApplicationBitmaps.h"

#include "framework/gui/application/WindowLayer.h"
#include "framework/gui/images/BitmapFetcher.h"

#include <memory>

namespace NSTramvell {
namespace {

std::unique_ptr<CCachingBitmapFetcher> gFetcher;

} // namespace

IBitmapFetcher* GetApplicationBitmapFetcher()
{
    return gFetcher.get();
}

void CreateBitmapCache()
{
    gFetcher = std::make_unique<CCachingBitmapFetcher>();
}

void DestroyBitmapCache()
{
    gFetcher.reset();
}

void PurgeBitmapCacheEntries()
{
    if (gFetcher != nullptr)
        gFetcher->Purge();
}

} // namespace NSTramvell
