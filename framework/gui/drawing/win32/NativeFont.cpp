#include "framework/gui/drawing/NativeFont.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/drawing/FontRules.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace NSTramvell {

namespace {

std::int32_t ReadScreenVerticalDotsPerInch()
{
    CWindowTable& table = GetWindowTable();
    HDC screen = table.GetDC(nullptr);
    const int dotsPerInch = table.GetDeviceCaps(screen, LOGPIXELSY);
    table.ReleaseDC(nullptr, screen);
    return dotsPerInch;
}

} // namespace

HFONT CreateNativeFont(const CFontSpec& spec)
{
    LOGFONTA description{};
    description.lfHeight = NativeFontHeight(spec.GetSize(), ReadScreenVerticalDotsPerInch());
    description.lfWeight = NativeFontWeight(spec.GetBold());
    description.lfItalic = spec.GetItalic();
    description.lfUnderline = spec.GetUnderline();
    description.lfCharSet = spec.GetCharacterSet();
    description.lfQuality = DRAFT_QUALITY;
    const std::string& face = spec.GetFace();
    std::memcpy(description.lfFaceName, face.data(), std::min(face.size(), sizeof description.lfFaceName - 1));
    HFONT font = GetWindowTable().CreateFontIndirectA(&description);
    if (font == nullptr)
        throw XBase();
    return font;
}

void MakeSystemFontSpec(CFontSpec& out)
{
    LOGFONTA description{};
    CWindowTable& table = GetWindowTable();
    if (table.GetObjectA(table.GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description) == 0)
        throw XBase();
    description.lfFaceName[sizeof description.lfFaceName - 1] = '\0';
    CFontSpec spec(description.lfFaceName, static_cast<std::uint16_t>(std::abs(description.lfHeight)),
                   IsBoldWeight(description.lfWeight) ? 1 : 0, description.lfItalic, description.lfUnderline);
    spec.SetCharacterSet(description.lfCharSet);
    out = spec;
}

CFontSpec GetSystemFontSpec()
{
    CFontSpec spec("", 0);
    MakeSystemFontSpec(spec);
    return spec;
}

CFontSpec GetBoldSystemFontSpec()
{
    CFontSpec spec = GetSystemFontSpec();
    spec.SetBold(1);
    return spec;
}

CFontSpec GetPageFontSpec() { return GetSystemFontSpec(); }

CFontSpec GetControlFontSpec() { return GetSystemFontSpec(); }

} // namespace NSTramvell
