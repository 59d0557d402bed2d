#pragma once

// The application's bitmap fetcher: made with the application, purged on low memory and screen
// changes, destroyed with it (see WindowLayer.h). Null outside that span.

namespace NSTramvell {

class IBitmapFetcher;

IBitmapFetcher* GetApplicationBitmapFetcher();

} // namespace NSTramvell
