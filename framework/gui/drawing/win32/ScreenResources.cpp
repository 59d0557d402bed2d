#include "framework/gui/drawing/ScreenResources.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/trace/Trace.h"
#include "framework/gui/drawing/NativeFont.h"
#include "framework/gui/drawing/Palette.h"


namespace NSTramvell {

namespace {

// Plain pointers: releasing them needs the platform tables, which are gone by the time static objects
// die, so shut-down releases them explicitly.
CScreenPalette* gScreenPalette = nullptr;   // owned
HFONT gDefaultControlFont = nullptr;        // owned

} // namespace

CScreenPalette& GetScreenPalette()
{
    if (gScreenPalette == nullptr)
        gScreenPalette = new CScreenPalette();
    return *gScreenPalette;
}

void RefreshScreenPalette()
{
    try {
        auto* fresh = new CScreenPalette();
        delete gScreenPalette;
        gScreenPalette = fresh;
    } catch (const std::exception& e) {
        Trace(0, 0, "Screen palette kept: %s", e.what());
    }
}

HFONT GetDefaultControlFont()
{
    if (gDefaultControlFont == nullptr)
        gDefaultControlFont = CreateNativeFont(GetSystemFontSpec());
    return gDefaultControlFont;
}

void ReleaseScreenResources() noexcept
{
    delete gScreenPalette;
    gScreenPalette = nullptr;
    if (gDefaultControlFont != nullptr)
        GetWindowTable().DeleteObject(gDefaultControlFont);
    gDefaultControlFont = nullptr;
    ForgetFontStandIns();
}

} // namespace NSTramvell
