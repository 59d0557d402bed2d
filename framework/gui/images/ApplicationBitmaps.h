#pragma once

// The bitmap fetcher views draw with: the application's, made with it, purged on low memory and screen
// changes, destroyed with it (see WindowLayer.h). Null outside that span unless one was set.

namespace NSTramvell {

class IBitmapFetcher;

IBitmapFetcher* GetBitmapFetcher();
// Puts another fetcher (borrowed) in its place, or none; answers the one before. The application's own
// is set again only when the application makes its cache.
IBitmapFetcher* SetBitmapFetcher(IBitmapFetcher* fetcher);

} // namespace NSTramvell
