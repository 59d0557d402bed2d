// Platform fonts from descriptions and the default interface font read back as one.

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/drawing/NativeFont.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using NSTramvell::CFontSpec;
using NSTramvell::CScopedTableEntry;
using NSTramvell::GetWindowTable;

namespace {

LOGFONTA gRequested{};
LOGFONTA gStock{};

// A 120-dpi screen whose fonts are only recorded.
class CRecordedFonts
{
public:
    CRecordedFonts()
        : mCaps(GetWindowTable().GetDeviceCaps, [](HDC, int index) { return index == LOGPIXELSY ? 120 : 32; })
        , mFont(GetWindowTable().CreateFontIndirectA, [](const LOGFONTA* font) {
            gRequested = *font;
            return reinterpret_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
        })
    {
    }

private:
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::GetDeviceCaps)> mCaps;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::CreateFontIndirectA)> mFont;
};

} // namespace

TEST(CreateNativeFont, ScalesToTheScreenAndCarriesEveryStyle)
{
    CRecordedFonts recorded;
    CFontSpec spec(std::string(40, 'F'), 8, 1, 1, 0);
    spec.SetCharacterSet(238);
    NSTramvell::CreateNativeFont(spec);
    EXPECT_EQ(gRequested.lfHeight, -6);
    EXPECT_EQ(gRequested.lfWeight, 700);
    EXPECT_EQ(gRequested.lfItalic, 1);
    EXPECT_EQ(gRequested.lfUnderline, 0);
    EXPECT_EQ(gRequested.lfCharSet, 238);
    EXPECT_EQ(gRequested.lfQuality, 1);
    EXPECT_EQ(std::string(gRequested.lfFaceName), std::string(31, 'F'));

    NSTramvell::CreateNativeFont(CFontSpec("Tahoma", 13));
    EXPECT_EQ(gRequested.lfWeight, 400);
    EXPECT_STREQ(gRequested.lfFaceName, "Tahoma");
}

TEST(CreateNativeFont, NoFontFromThePlatformIsAnError)
{
    CScopedTableEntry noFont(GetWindowTable().CreateFontIndirectA, [](const LOGFONTA*) { return HFONT{}; });
    EXPECT_THROW(NSTramvell::CreateNativeFont(CFontSpec("Tahoma", 13)), NSTramvell::XBase);
}

TEST(MakeSystemFontSpec, ReadsTheStockFontsHeightAsSizeAndBoldFromSemiBold)
{
    CScopedTableEntry stock(GetWindowTable().GetObjectA, [](HANDLE, int size, LPVOID out) {
        std::memcpy(out, &gStock, static_cast<std::size_t>(size));
        return size;
    });
    const struct { LONG weight; std::uint8_t bold; } kCases[] = {{699, 0}, {700, 1}, {400, 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.weight);
        gStock = LOGFONTA{};
        gStock.lfHeight = -11;
        gStock.lfWeight = c.weight;
        gStock.lfCharSet = 161;
        std::strcpy(gStock.lfFaceName, "Interface");
        const CFontSpec spec = NSTramvell::GetSystemFontSpec();
        EXPECT_EQ(spec.GetFace(), "Interface");
        EXPECT_EQ(spec.GetSize(), 11);
        EXPECT_EQ(spec.GetBold(), c.bold);
        EXPECT_EQ(spec.GetCharacterSet(), 161);
        EXPECT_EQ(NSTramvell::GetBoldSystemFontSpec().GetBold(), 1);
    }
}

TEST(MakeSystemFontSpec, TheRealDefaultFontMakesAFontAgain)
{
    const CFontSpec spec = NSTramvell::GetSystemFontSpec();
    EXPECT_FALSE(spec.GetFace().empty());
    EXPECT_GT(spec.GetSize(), 0);
    HFONT font = NSTramvell::CreateNativeFont(spec);
    ASSERT_NE(font, nullptr);
    ::DeleteObject(font);
}
